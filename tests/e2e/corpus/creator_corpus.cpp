// Gives the real creator the hostile corpus, one file after another in one process: each file as a
// Sonpix file through "Открыть Сонпик...", and the picture and sound cut out of it through "Открыть
// картинку..." and "Открыть звук...", each answered in the open dialog as a user types a name.
// Counts the error boxes per opened file (dismissed), crashes and hangs; then opens and saves a good
// file again and again and prints the creator's memory along the way.
//   creator_corpus.exe [COUNT|all] [CYCLES]     (default 20 files, 200 open-and-save cycles)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "container/SonpixLayout.h"
#include "tests/e2e/corpus/CorpusStep.h"
#include "tests/support/HostileCorpus.h"
#include "tests/support/JpegCodec.h"
#include "tests/support/SampleImages.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WavSynth.h"
#include "tests/win/e2e/Deadline.h"
#include "tests/win/e2e/MessageBoxProbe.h"
#include "tests/win/e2e/ScratchFolder.h"
#include "tests/win/e2e/ViewerProcess.h"
#include "tests/win/e2e/WindowProbe.h"

namespace {

// An open that has not returned after this long counts as a hang.
// The file name field of the standard file dialogs (explorer-style combo, old-style edit).
constexpr int kFileNameCombo = 0x47c;
constexpr int kFileNameEdit = 0x480;

const char kOpenSonpix[] = "Открыть Сонпик...";
const char kOpenPicture[] = "Открыть картинку...";
const char kOpenSound[] = "Открыть звук...";
const char kSave[] = "Сохранить";

struct TOutcome {
    std::string input;
    double ms = 0;
    int boxes = 0;  // error and information boxes, not the question about unsaved changes
    std::string boxText;
    bool answered = false;  // the open dialog came and took the name
    bool crashed = false, hung = false;
};

struct TChildSearch {
    std::string caption;
    HWND found = nullptr;
};

BOOL CALLBACK MatchButton(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<TChildSearch*>(data);
    if (lstrcmpiA(ClassNameOf(child).c_str(), "Button") == 0 && TextOf(child) == search->caption) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

HWND FindButton(HWND window, const std::string& caption) {
    TChildSearch search{caption};
    EnumChildWindows(window, MatchButton, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK FindText(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<TChildSearch*>(data);
    if (TextOf(child).find(search->caption) == std::string::npos) return TRUE;
    search->found = child;
    return FALSE;
}

// True when the window's title or one of its controls names the file: the creator has taken it.
bool ShowsName(HWND window, const std::string& name) {
    if (TextOf(window).find(name) != std::string::npos) return true;
    TChildSearch search{name};
    EnumChildWindows(window, FindText, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
}

// A box's text on one line: its line breaks as " | ", empty lines dropped.
std::string OneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\r') continue;
        if (c != '\n') line += c;
        else if (!line.empty() && line.compare(line.size() - 3, 3, " | ") != 0) line += " | ";
    }
    return line;
}

// A running creator with its window.
struct TSession {
    std::unique_ptr<TViewerProcess> creator;
    HWND window = nullptr;
};

bool StartSession(TSession& session, const std::string& exe, const std::string& folder) {
    session.creator = std::make_unique<TViewerProcess>(TViewerProcess::Start(TLaunch{exe, "", folder}));
    if (!session.creator->Started()) {
        std::printf("cannot start the creator: %s\n", session.creator->Error().c_str());
        return false;
    }
    const DWORD id = session.creator->Id();
    WaitUntil([&] { return (session.window = FindTopLevelWindow(id, "TCreatorForm")) && IsWindowVisible(session.window); },
              kWindowTimeoutMs);
    if (!session.window) std::printf("the creator's window did not appear\n");
    return session.window != nullptr;
}

// Answers what the creator shows while done is not set: the open dialog gets the name, a question
// about unsaved changes gets "No", and every other box is counted and dismissed.
void AnswerDialogs(const TViewerProcess& creator, const std::string& name, const std::atomic<bool>& done,
                   TOutcome& outcome, DWORD limitMs) {
    const DWORD start = GetTickCount();
    while (!done && GetTickCount() - start < limitMs && creator.Running()) {
        if (HWND dialog = FindMessageBox(creator.Id())) {
            HWND field = GetDlgItem(dialog, kFileNameCombo);
            if (!field) field = GetDlgItem(dialog, kFileNameEdit);
            if (field) {
                SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
                outcome.answered = PressMessageBoxButton(dialog, IDOK);
            } else {
                const TMessageBoxView view = ReadMessageBox(dialog);
                if (std::find(view.buttons.begin(), view.buttons.end(), IDNO) != view.buttons.end()) {
                    PressMessageBoxButton(dialog, IDNO);
                } else {
                    if (outcome.boxes++ == 0) outcome.boxText = view.text;
                    PressMessageBoxButton(dialog, view.buttons.empty() ? IDOK : view.buttons.front());
                }
            }
            WaitUntil([&] { return !IsWindow(dialog); }, 2000, 5);
        }
        Sleep(5);
    }
}

// Clicks a button of the creator (BM_CLICK, sent: it returns once the click's whole command is
// handled) while this thread answers its dialogs with name.
TOutcome Press(TSession& session, const std::string& caption, const std::string& name) {
    TOutcome outcome;
    outcome.input = name;
    HWND button = FindButton(session.window, caption);
    if (!button) {
        std::printf("no button \"%s\"\n", caption.c_str());
        outcome.hung = true;
        return outcome;
    }
    const TStepResult step = SendStep(*session.creator, button, BM_CLICK, 0, 0, session.window,
                                      [&](const std::atomic<bool>& done, DWORD limitMs, bool counted) {
                                          TOutcome later;
                                          AnswerDialogs(*session.creator, name, done, counted ? outcome : later, limitMs);
                                      });
    outcome.ms = step.ms;
    outcome.crashed = step.crashed;
    outcome.hung = step.hung;
    return outcome;
}

struct TMemory {
    std::size_t privateBytes = 0;  // PagefileUsage: under Wine the resident anonymous memory
    std::size_t workingSet = 0;
};

TMemory MemoryOf(const TViewerProcess& creator) {
    TMemory memory;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, creator.Id());
    if (!process) return memory;
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(process, &counters, sizeof counters)) {
        memory.privateBytes = counters.PagefileUsage;
        memory.workingSet = counters.WorkingSetSize;
    }
    CloseHandle(process);
    return memory;
}

// The picture and sound cut out of a corpus file where its separator is found after the header:
// the bytes between header and separator, and those after the separator.
bool CutParts(const TBytes& file, TBytes& picture, TBytes& sound) {
    if (file.size() < 2 * kSonpixHeaderSize) return false;
    const auto separator = std::search(file.begin() + kSonpixHeaderSize, file.end(), std::begin(kSonpixSeparatorBytes),
                                       std::end(kSonpixSeparatorBytes));
    if (separator == file.end()) return false;
    picture.assign(file.begin() + kSonpixHeaderSize, separator);
    sound.assign(separator + kSonpixHeaderSize, file.end());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<TCorpusFile> all = MakeHostileCorpus();
    const std::string wanted = argc > 1 ? argv[1] : "20";
    const int cycles = argc > 2 ? std::stoi(argv[2]) : 200;
    const std::vector<TCorpusFile> files = wanted == "all" ? all : PickCorpusFiles(all, std::stoul(wanted));
    std::printf("corpus: %zu files of %zu\n", files.size(), all.size());

    TScratchFolder folder("creator-corpus");
    struct TInput {
        std::string button, path, kind;
    };
    std::vector<TInput> inputs;
    for (std::size_t i = 0; i < files.size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "h%05zu", i);
        const std::string base = folder / name;
        TBytes picture, sound;
        bool written = WriteBytesFile(base + ".sonpix", files[i].bytes);
        inputs.push_back({kOpenSonpix, base + ".sonpix", files[i].kind});
        if (CutParts(files[i].bytes, picture, sound)) {
            written = written && WriteBytesFile(base + ".jpg", picture) && WriteBytesFile(base + ".wav", sound);
            inputs.push_back({kOpenPicture, base + ".jpg", files[i].kind + " (its picture)"});
            inputs.push_back({kOpenSound, base + ".wav", files[i].kind + " (its sound)"});
        }
        if (!written) {
            std::printf("cannot write %s\n", name);
            return 2;
        }
    }

    const std::string exe = FileBesideProgram("SonpixCreator.exe");
    TSession session;
    if (!StartSession(session, exe, folder.Path())) return 2;
    std::vector<TOutcome> outcomes;
    int restarts = 0;
    int taken = 0, saves = 0, savesRefused = 0, savesDoubleBox = 0;
    std::map<std::string, int> saveTexts;
    const DWORD corpusStart = GetTickCount();
    for (const TInput& input : inputs) {
        TOutcome outcome = Press(session, input.button, input.path);
        if (outcome.crashed || outcome.hung || !outcome.answered)
            std::printf("%s %s: %s\n", outcome.crashed ? "CRASH" : outcome.hung ? "HANG" : "NO DIALOG",
                        input.path.c_str(), input.kind.c_str());
        const std::string name = input.path.substr(input.path.find_last_of('\\') + 1);
        const bool shown = session.creator->Running() && !outcome.hung && ShowsName(session.window, name);
        taken += shown;
        outcomes.push_back(outcome);
        // An opened Sonpix file is saved again under its name: refused with one box, or written.
        if (shown && input.button == kOpenSonpix) {
            TOutcome saved = Press(session, kSave, input.path);
            saved.answered = true;  // the save of a named file opens no dialog
            ++saves;
            savesRefused += saved.boxes > 0;
            savesDoubleBox += saved.boxes > 1;
            if (saved.boxes) ++saveTexts[OneLine(saved.boxText).substr(0, 200)];
            if (saved.crashed || saved.hung) std::printf("%s saving %s\n", saved.crashed ? "CRASH" : "HANG", name.c_str());
            outcomes.push_back(saved);
        }
        if (!session.creator->Running()) {
            ++restarts;
            if (!StartSession(session, exe, folder.Path())) return 2;
        }
    }
    const double corpusSeconds = (GetTickCount() - corpusStart) / 1000.0;

    int crashes = 0, hangs = 0, refused = 0, doubleBoxes = 0, unanswered = 0;
    std::map<std::string, int> texts;
    std::vector<double> times;
    for (const TOutcome& o : outcomes) {
        crashes += o.crashed;
        hangs += o.hung;
        refused += o.boxes > 0;
        doubleBoxes += o.boxes > 1;
        unanswered += !o.answered;
        times.push_back(o.ms);
        if (o.boxes) ++texts[OneLine(o.boxText).substr(0, 90)];
    }
    std::sort(times.begin(), times.end());
    std::printf("\n%zu inputs from %zu corpus files opened, %d of them taken into the window; %d Sonpix files saved "
                "again: %d refused with a box, %d with more than one box\n",
                inputs.size(), files.size(), taken, saves, savesRefused, savesDoubleBox);
    std::printf("all opens and saves: %zu, with a box %d (more than one box: %d), crashes %d, hangs %d, no open dialog %d, "
                "creator restarts %d; %.0f s\n",
                outcomes.size(), refused, doubleBoxes, crashes, hangs, unanswered, restarts, corpusSeconds);
    std::printf("time per open or save: median %.0f ms, max %.0f ms\n", times[times.size() / 2], times.back());
    std::printf("box texts (the first 90 characters):\n");
    for (const auto& [text, count] : texts) std::printf("  %5d  %s\n", count, text.c_str());
    std::printf("save refusals (the first 200 characters):\n");
    for (const auto& [text, count] : saveTexts) std::printf("  %5d  %s\n", count, text.c_str());

    // Open and save one good file over and over in a fresh creator; its memory at 0, 100, 200...
    int cycleFaults = 0;
    if (cycles > 0) {
        TSonpixFileParts parts;
        parts.picture = EncodeRgbJpeg(MakeSunset(1600, 1200), 90, false);
        TToneSpec tone;
        tone.seconds = 5;
        parts.sound = SynthesizeToneWav(tone);
        parts.makerPicture = EncodeRgbJpeg(MakeMakerBadge(287, 57), 90, false);
        parts.makerText = std::string("Cycle");
        const std::string good = folder / "good.sonpix";
        if (!WriteBytesFile(good, BuildSonpix(parts))) return 2;
        session.creator->Kill();
        if (!StartSession(session, exe, folder.Path())) return 2;
        std::printf("\nopen-and-save cycles of a good file (%zu bytes):\n", ReadBytesFile(good)->size());
        const DWORD cyclesStart = GetTickCount();
        for (int cycle = 0; cycle <= cycles; ++cycle) {
            if (cycle % 100 == 0 || cycle == cycles) {
                const TMemory memory = MemoryOf(*session.creator);
                std::printf("  after %3d cycles: private bytes (pagefile usage) %.1f MB, working set %.1f MB\n", cycle,
                            memory.privateBytes / 1048576.0, memory.workingSet / 1048576.0);
                std::fflush(stdout);
            }
            if (cycle == cycles) {
                std::printf("  %d cycles in %.0f s, %d with a fault\n", cycles, (GetTickCount() - cyclesStart) / 1000.0,
                            cycleFaults);
                break;
            }
            const TOutcome opened = Press(session, kOpenSonpix, good);
            const TOutcome saved = Press(session, kSave, good);
            if (opened.boxes || saved.boxes || opened.crashed || opened.hung || saved.crashed || saved.hung ||
                !opened.answered) {
                ++cycleFaults;
                std::printf("  cycle %d: %s%s\n", cycle, opened.boxText.c_str(), saved.boxText.c_str());
                if (!session.creator->Running()) break;
            }
        }
    }
    session.creator->CloseAndWait(kExitTimeoutMs);
    std::fflush(stdout);
    return crashes == 0 && hangs == 0 && doubleBoxes == 0 && unanswered == 0 && cycleFaults == 0 ? 0 : 1;
}
