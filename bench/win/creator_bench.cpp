// The creator's save and open beside their floors, in one run: (a) saving a 24-megapixel picture
// and a 10-minute 44.1 kHz stereo sound against CopyFileA of both files, with the save's steps;
// (b) opening that Sonpix file to a painted creator window against the viewer's own display of it.
// Both run in this process through the creator's and the viewer's own code (no outside driving).
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/common/BenchApplication.h"
#include "bench/common/BenchCommon.h"
#include "bench/common/BenchInput.h"
#include "tests/support/JpegCodec.h"
#include "tests/support/MessagePump.h"
#include "tests/support/SampleImages.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WavSynth.h"

#include "app/Unit1.h"
#include "authoring/FileAccess.h"
#include "authoring/FileAccessPlatform.h"
#include "authoring/PartChecks.h"
#include "authoring/SonpixDraft.h"
#include "authoring/SonpixFileWriter.h"
#include "creator/CreatorForm.h"
#include "creator/SonpixFiles.h"
#include "sys/mysys.h"
#include "ui/Application.h"

namespace {
constexpr int kRuns = 5;

void Report(const char* what, const std::vector<double>& times) {
    std::printf("    %-46s %8.1f ms  (runs:", what, Median(times) * 1000);
    for (double t : times) std::printf(" %.0f", t * 1000);
    std::printf(")\n");
}

// The save's steps one by one, as WriteSonpix and AuthorSonpixFile run them, to see where the
// time goes; the file is written and committed as the real save does, and the flush that a save
// over an existing file adds is timed on its own.
void ProfileSave(const TSonpixDocument& document, const std::string& output) {
    // The save lends the document's bytes to the library; here they are copied (timed, to show
    // what such a copy costs) so that the document stays as it is.
    TSonpixParts parts;
    auto start = TClock::now();
    parts.picture = TSonpixPart{"picture", document.Contents().picture.bytes};
    parts.sound = TSonpixPart{"sound", document.Contents().sound.bytes};
    const double copyParts = Seconds(start);
    start = TClock::now();
    const bool partsOk = FindPartFaults(parts).empty();
    const double partChecks = Seconds(start);
    start = TClock::now();
    const TSonpixDraft draft = LayOutSonpix(parts);
    const double layOut = Seconds(start);
    start = TClock::now();
    const bool checked = FindDraftFaults(draft, output).empty();
    const double check = Seconds(start);
    DeleteFileA(output.c_str());  // a new name, as the timed save had
    TPendingFile pending(output);
    std::string error;
    start = TClock::now();
    const bool written = pending.Write(draft.pieces, error);
    const double write = Seconds(start);
    start = TClock::now();
    const bool flushed = FlushFileToDisk(pending.TemporaryPath(), error);
    const double flush = Seconds(start);
    start = TClock::now();
    const bool committed = pending.Commit(false, error);
    const double commit = Seconds(start);
    std::printf("    steps (one run): [a copy of the parts: %.0f ms, not made by the save] part checks %.0f ms,\n"
                "      layout %.3f ms, the draft checked in place %.0f ms, write %.0f ms, rename %.0f ms\n"
                "      [only when replacing a file, or keeping a recording: forced to disk %.0f ms]%s\n",
                copyParts * 1000, partChecks * 1000, layOut * 1000, check * 1000, write * 1000, commit * 1000,
                flush * 1000, partsOk && written && checked && flushed && committed ? "" : "  (A STEP FAILED)");
}
}  // namespace

int main() {
    // The viewer decodes on selection, as the creator does on opening: no picture prepared ahead.
    SetEnvironmentVariableA("SONPIX_NO_PREPARE", "1");
    const std::string temp = GetTempFolder();
    const std::string folder = temp + "creator_bench";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string picture = folder + "\\Picture.jpg", sound = folder + "\\Sound.wav";
    const std::string copiedPicture = folder + "\\copy.jpg", copiedSound = folder + "\\copy.wav";
    const std::string saved = folder + "\\Saved.sonpix";

    std::printf("generating a 6000 x 4000 JPEG and a 10-minute 44.1 kHz stereo WAV...\n");
    TToneSpec tone;
    tone.seconds = 600;
    tone.sampleRate = 44100;
    tone.channels = 2;
    // Sensor noise gives the picture the size of a camera's (a smooth sunset alone packs to 1 MB).
    TRgbImage photo = MakeSunset(6000, 4000);
    AddSensorNoise(photo, 24);
    if (!WriteBytesFile(picture, EncodeRgbJpeg(photo, 90, false)) ||
        !WriteBytesFile(sound, SynthesizeToneWav(tone))) {
        std::printf("cannot write the inputs in %s\n", folder.c_str());
        return 1;
    }
    std::printf("picture %zu bytes, sound %zu bytes\n", ReadBytesFile(picture)->size(), ReadBytesFile(sound)->size());

    // (a) The save as the creator runs it once its parts are open: WriteSonpix of the document.
    std::vector<double> copyTimes, openPartsTimes, saveTimes, replaceTimes;
    for (int run = 0; run < kRuns; ++run) {
        auto start = TClock::now();
        const BOOL copied = CopyFileA(picture.c_str(), copiedPicture.c_str(), FALSE) &&
                            CopyFileA(sound.c_str(), copiedSound.c_str(), FALSE);
        copyTimes.push_back(Seconds(start));
        DeleteFileA(copiedPicture.c_str());
        DeleteFileA(copiedSound.c_str());

        start = TClock::now();
        TSonpixDocument document;
        document.SetPicture(ReadPartFile(picture));
        document.SetSound(ReadPartFile(sound));
        openPartsTimes.push_back(Seconds(start));

        DeleteFileA(saved.c_str());
        start = TClock::now();
        std::vector<TSaveFault> faults = WriteSonpix(document, saved, true);
        saveTimes.push_back(Seconds(start));
        // The same save over the file just written: forced to disk before it replaces it.
        start = TClock::now();
        if (faults.empty()) faults = WriteSonpix(document, saved, true);
        replaceTimes.push_back(Seconds(start));
        if (!copied || !faults.empty()) {
            std::printf("run %d: copy %s, save faults %zu%s%s\n", run, copied ? "ok" : "FAILED", faults.size(),
                        faults.empty() ? "" : ": ", faults.empty() ? "" : faults[0].reason.c_str());
            return 1;
        }
        if (run == kRuns - 1) ProfileSave(document, saved);
    }
    const double copy = Median(copyTimes), save = Median(saveTimes);
    std::printf("(a) save (WriteSonpix: checks, layout, the draft checked in place, write, rename) against CopyFileA of both\n");
    Report("CopyFileA of picture and sound", copyTimes);
    Report("reading the two parts (open, before the save)", openPartsTimes);
    Report("creator's save under a new name", saveTimes);
    Report("the same save replacing the file (forced to disk)", replaceTimes);
    std::printf("    ratio save / copy: %.2f (target <= 1.50); replacing / copy: %.2f\n", save / copy,
                Median(replaceTimes) / copy);

    // (b) Opening the saved file: the creator's window against the viewer's display of it.
    TApplication application;
    InitializeBenchApplication();
    ShowSilentViewer();
    Application->CreateForm(CreatorForm);
    CreatorForm->Show();
    // The viewer at the left, the creator at the right of the screen; each is brought to the front
    // before it is timed, so that the click reaches the viewer's list and each paints in full.
    SetWindowPos(Form1->Handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT creatorRect{};
    GetWindowRect(CreatorForm->Handle(), &creatorRect);
    SetWindowPos(CreatorForm->Handle(), nullptr, GetSystemMetrics(SM_CXSCREEN) - (creatorRect.right - creatorRect.left), 0,
                 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PumpMessagesFor(300);

    const std::string listedFolder = folder + "\\listed";
    CreateDirectoryA(listedFolder.c_str(), nullptr);
    const std::string listed = listedFolder + "\\Photo.sonpix";
    CopyFileA(saved.c_str(), listed.c_str(), FALSE);
    Form1->DirectoryEdit1->SetText(listedFolder);
    PumpMessagesFor(200);
    Form1->ListBox1->SetItemIndex(0);

    // The viewer: a real click on the file's entry until the window is painted (the file taken
    // apart and the picture fitted and shown, as display_bench's click), and ShowCurrentFile alone
    // (the extracted picture fitted and shown). The creator: OpenFile of the .sonpix until painted.
    std::vector<double> clickTimes, viewerTimes, creatorTimes;
    for (int run = 0; run < kRuns; ++run) {
        Form1->ListBox1->SetItemIndex(-1);
        Form1->Image1->Hide();
        SetForegroundWindow(Form1->Handle());
        PumpMessagesFor(50);
        auto start = TClock::now();
        ClickOnFirstEntry(Form1->ListBox1->Handle());
        while (!Form1->Image1->Visible() && Seconds(start) < 30) PumpMessagesFor(1);
        UpdateWindow(Form1->Handle());
        GdiFlush();
        clickTimes.push_back(Seconds(start));
        PumpMessagesFor(50);

        start = TClock::now();
        Form1->ShowCurrentFile();
        UpdateWindow(Form1->Handle());
        GdiFlush();
        viewerTimes.push_back(Seconds(start));
        PumpMessagesFor(50);

        SetForegroundWindow(CreatorForm->Handle());
        PumpMessagesFor(50);
        start = TClock::now();
        CreatorForm->OpenFile(listed, false);
        UpdateWindow(CreatorForm->Handle());
        GdiFlush();
        creatorTimes.push_back(Seconds(start));
        PumpMessagesFor(50);
    }
    const bool shown = !CreatorForm->Image1->Empty() && CreatorForm->Document().Contents().sound.bytes.size() > 0;
    const double click = Median(clickTimes), viewer = Median(viewerTimes), creator = Median(creatorTimes);
    std::printf("(b) opening the Sonpix file until painted: the creator against the viewer\n");
    Report("viewer: click on the entry until painted", clickTimes);
    Report("viewer: ShowCurrentFile (display step alone)", viewerTimes);
    Report("creator: OpenFile of the .sonpix until painted", creatorTimes);
    std::printf("    ratio creator / viewer's click: %.2f (target <= 1.25); creator / ShowCurrentFile: %.2f%s\n",
                creator / click, creator / viewer, shown ? "" : "  (THE CREATOR SHOWED NO PICTURE)");
    // Later runs reuse the memory of the one before, in both programs; the first has none to reuse.
    std::printf("    first runs alone (new memory in both): creator / viewer's click %.2f\n",
                creatorTimes[0] / clickTimes[0]);

    CreatorForm->Hide();
    Form1->Close();
    PumpMessagesFor(100);
    DeleteFileA(listed.c_str());
    RemoveDirectoryA(listedFolder.c_str());
    for (const std::string& file : {picture, sound, saved}) DeleteFileA(file.c_str());
    RemoveDirectoryA(folder.c_str());
    for (const char* name : {"Tempsx.jpg", "Tempsx.wav", "Tempsxcop.jpg"}) DeleteFileQuietly(temp + name);
    return 0;
}
