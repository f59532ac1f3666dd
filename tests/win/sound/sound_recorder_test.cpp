// TSoundRecorder under Wine with real MCI: a tone played into the null sink comes back from its monitor.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <functional>
#include <set>
#include <string>

#include "sound/SoundRecorder.h"
#include "sys/FileSearch.h"
#include "sys/mysys.h"
#include "tests/support/MessagePump.h"
#include "tests/support/PlayingTone.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestFolder.h"
#include "tests/support/WavAnalysis.h"
#include "tests/support/WavSynth.h"

namespace {

// The names of the files (not folders) directly in a folder.
std::set<std::string> FilesIn(const std::string& folder) {
    std::set<std::string> names;
    WIN32_FIND_DATAA entry;
    TFileSearch search(folder + "*", entry);
    if (search.Found()) {
        do {
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.insert(entry.cFileName);
        } while (search.Next(entry));
    }
    return names;
}

void ExpectDeviceError(const char* what, const std::function<void()>& action) {
    try {
        action();
        ADD_FAILURE() << what << ": no EMCIDeviceError";
    } catch (const EMCIDeviceError& e) {
        EXPECT_STRNE(e.what(), "") << what;
    }
}

}  // namespace

// The wine runner makes the null sink's monitor the default input, so what the player sends to
// the sink is what the recorder hears.
TEST(SoundRecorderTest, RecordsThePlayingToneAs22050Hz16BitMono) {
    TTestFolder folder("recorder_test");
    TToneSpec tone;
    tone.frequencyHz = 880.0;
    tone.seconds = 10.0;
    TPlayingTone playing(folder / "tone.wav", tone);
    ASSERT_TRUE(playing.Written());
    PumpMessagesFor(200);
    ASSERT_EQ(playing.Player().Mode(), static_cast<DWORD>(MCI_MODE_PLAY));

    TSoundRecorder recorder;
    EXPECT_EQ(recorder.LengthMs(), 0u);
    recorder.Start();
    EXPECT_TRUE(recorder.IsRecording());
    // About 1.5 s of sound: the input starts with a delay, so the wait is for the length itself,
    // watched as it grows the way a live display would show it.
    std::set<unsigned> lengthsSeen;
    bool shrank = false;
    unsigned lastLength = 0;
    ASSERT_TRUE(PumpMessagesUntil(
        [&] {
            const unsigned now = recorder.LengthMs();
            shrank = shrank || now < lastLength;
            lastLength = now;
            lengthsSeen.insert(now);
            return now >= 1500;
        },
        8000))
        << "recorded only " << recorder.LengthMs() << " ms";
    EXPECT_FALSE(shrank);
    EXPECT_GE(lengthsSeen.size(), 3u) << "the length grows step by step while recording";
    recorder.Stop();
    EXPECT_FALSE(recorder.IsRecording());
    const unsigned total = recorder.LengthMs();
    EXPECT_GE(total, lastLength);
    EXPECT_LE(total, 2500u);

    const std::string path = folder / "запись.wav";  // a Windows-1251 name
    recorder.SaveTo(path);
    EXPECT_EQ(recorder.LengthMs(), 0u) << "the save closes the device";
    playing.Player().Close();

    const auto bytes = ReadBytesFile(path);
    ASSERT_TRUE(bytes);
    const auto wav = ReadPcmWav(*bytes);
    ASSERT_TRUE(wav) << "a PCM WAV file of " << bytes->size() << " bytes";
    EXPECT_EQ(wav->sampleRate, 22050u);
    EXPECT_EQ(wav->bitsPerSample, 16u);
    EXPECT_EQ(wav->channels, 1u);
    EXPECT_EQ(wav->blockAlign, 2u);
    EXPECT_EQ(wav->bytesPerSecond, 44100u);
    const double savedMs = wav->samples.size() * 1000.0 / wav->sampleRate;
    EXPECT_NEAR(savedMs, total, 100.0) << "the file holds what LengthMs reported";

    const auto measure = MeasureRecordedTone(*wav, tone.frequencyHz);
    ASSERT_TRUE(measure) << "too short to measure";
    const double rms = measure->rms, amplitude = measure->amplitude, found = measure->frequency;
    std::printf("recorded %u ms (saved %.0f ms), RMS %.3f, amplitude at %.0f Hz %.3f, zero crossings %.1f Hz\n",
                total, savedMs, rms, tone.frequencyHz, amplitude, found);
    EXPECT_EQ(FindToneFault(*measure, tone.frequencyHz, 0.05), "");
}

TEST(SoundRecorderTest, StopAndSaveWithoutARecordingFail) {
    TTestFolder folder("recorder_test");
    const std::string path = folder / "nothing.wav";
    TSoundRecorder recorder;
    ExpectDeviceError("Stop before Start", [&] { recorder.Stop(); });
    ExpectDeviceError("SaveTo before Start", [&] { recorder.SaveTo(path); });
    EXPECT_EQ(recorder.LengthMs(), 0u);
    EXPECT_FALSE(recorder.IsRecording());
    EXPECT_TRUE(FilesIn(folder.Path()).empty());
}

TEST(SoundRecorderTest, DestroyingTheRecorderWhileRecordingLeavesNoFile) {
    TTestFolder folder("recorder_test");
    const std::string temp = GetTempFolder();
    const std::set<std::string> tempBefore = FilesIn(temp);
    {
        TSoundRecorder recorder;
        recorder.Start();
        // Until the device has written sound into its working file.
        ASSERT_TRUE(PumpMessagesUntil([&] { return recorder.LengthMs() > 0; }, 5000));
        ASSERT_TRUE(recorder.IsRecording());
    }
    EXPECT_EQ(FilesIn(temp), tempBefore) << "the device's working file went with it";
    EXPECT_TRUE(FilesIn(folder.Path()).empty());
}
