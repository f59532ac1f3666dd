// TSoundPlayer under Wine with real MCI: playing in real time, notices, releasing files, damaged WAVs.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <functional>
#include <string>
#include <vector>

#include "sound/SoundPlayer.h"
#include "tests/support/MessagePump.h"
#include "tests/support/SonpixWriter.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WavMutations.h"
#include "tests/support/WavSynth.h"

namespace {

std::string MciText(MCIERROR code) {
    char text[4096] = "";
    return mciGetErrorStringA(code, text, sizeof text) ? text : "Unknown error code";
}

// A fresh folder under the temporary path for each test, removed with its files afterwards.
class SoundPlayerTest : public testing::Test {
protected:
    std::string WriteTone(const std::string& name, double seconds) {
        TToneSpec tone;
        tone.seconds = seconds;
        const std::string path = m_folder / name;
        EXPECT_TRUE(WriteBytesFile(path, SynthesizeToneWav(tone)));
        return path;
    }
    TTestFolder m_folder{"sound_test"};
};

TEST_F(SoundPlayerTest, PlayRunsForTheToneAndNotifiesSuccessAtItsEnd) {
    const std::string path = WriteTone("tone.wav", 0.6);
    TSoundPlayer player;
    player.SetFileName(path);
    player.Open();
    ASSERT_TRUE(player.IsOpen());
    EXPECT_EQ(player.Mode(), static_cast<DWORD>(MCI_MODE_STOP));
    player.SetNotify(true);
    const DWORD start = GetTickCount();
    player.Play();
    EXPECT_FALSE(player.Notify()) << "the play consumes the one-shot notify flag";
    EXPECT_EQ(player.Error(), 0u);
    EXPECT_EQ(player.Mode(), static_cast<DWORD>(MCI_MODE_PLAY)) << "Play returns while the sound plays on";
    PumpMessagesFor(300);
    EXPECT_EQ(player.NotifyCount(), 0u) << "no notice before the tone has ended";
    EXPECT_EQ(player.Mode(), static_cast<DWORD>(MCI_MODE_PLAY));
    ASSERT_TRUE(PumpMessagesUntil([&] { return player.NotifyCount() > 0; }, 5000));
    EXPECT_GE(GetTickCount() - start, 550u);
    EXPECT_EQ(player.LastNotifyValue(), static_cast<WPARAM>(MCI_NOTIFY_SUCCESSFUL));
    EXPECT_EQ(player.LastNotifyDevice(), player.DeviceId());
    EXPECT_EQ(player.Mode(), static_cast<DWORD>(MCI_MODE_STOP));
}

TEST_F(SoundPlayerTest, ReplayAfterTheEndStartsAgainFromTheBeginning) {
    TSoundPlayer player;
    player.SetFileName(WriteTone("tone.wav", 0.4));
    player.Open();
    player.Play();
    ASSERT_TRUE(PumpMessagesUntil([&] { return player.NotifyCount() == 1; }, 5000));
    ASSERT_EQ(player.LastNotifyValue(), static_cast<WPARAM>(MCI_NOTIFY_SUCCESSFUL));

    const DWORD start = GetTickCount();
    player.Play();
    EXPECT_EQ(player.Mode(), static_cast<DWORD>(MCI_MODE_PLAY));
    ASSERT_TRUE(PumpMessagesUntil([&] { return player.NotifyCount() == 2; }, 5000));
    EXPECT_EQ(player.LastNotifyValue(), static_cast<WPARAM>(MCI_NOTIFY_SUCCESSFUL));
    EXPECT_GE(GetTickCount() - start, 350u) << "the whole tone played again";
}

TEST_F(SoundPlayerTest, PlayWithoutAnOpenDeviceFails) {
    TSoundPlayer player;
    player.SetFileName(WriteTone("tone.wav", 0.3));
    const auto expectNoDevice = [&](const char* when) {
        try {
            player.Play();
            ADD_FAILURE() << when << ": Play did not fail";
        } catch (const EMCIDeviceError& e) {
            EXPECT_STREQ(e.what(), "No MCI device open") << when;
        }
    };
    expectNoDevice("never opened");
    player.Open();
    player.Close();
    EXPECT_FALSE(player.IsOpen());
    expectNoDevice("after Close");
}

TEST_F(SoundPlayerTest, CloseStopsTheSoundAndReleasesTheFile) {
    const std::string path = WriteTone("tone.wav", 1.0);
    TSoundPlayer player;
    player.SetFileName(path);
    player.Open();
    player.Play();
    PumpMessagesFor(150);
    ASSERT_EQ(player.Mode(), static_cast<DWORD>(MCI_MODE_PLAY));

    // While the device holds the file, it can be neither replaced nor deleted.
    EXPECT_FALSE(WriteBytesFile(path, {1, 2, 3}));
    EXPECT_FALSE(DeleteFileA(path.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));

    player.Close();
    EXPECT_FALSE(player.IsOpen());
    EXPECT_EQ(player.DeviceId(), 0u);
    EXPECT_EQ(player.Error(), 0u);
    PumpMessagesUntil([&] { return player.NotifyCount() > 0; }, 500);
    EXPECT_NE(player.LastNotifyValue(), static_cast<WPARAM>(MCI_NOTIFY_SUCCESSFUL)) << "the play was cut off";

    EXPECT_TRUE(WriteBytesFile(path, {1, 2, 3}));
    EXPECT_TRUE(DeleteFileA(path.c_str()));
    player.Close();  // nothing open: nothing happens
    EXPECT_EQ(player.Error(), 0u);
}

// The wave driver stays loaded after its device is closed: its play thread may still be on its
// way out of the driver's code when a close comes right at the end of a sound.
TEST_F(SoundPlayerTest, WaveDriverStaysLoadedAfterTheLastClose) {
    for (int round = 0; round < 3; ++round) {
        TSoundPlayer player;
        player.SetFileName(WriteTone("tone.wav", 0.2));
        player.Open();
        player.Play();
        PumpMessagesUntil([&] { return player.NotifyCount() > 0; }, 3000);
        player.Close();
        EXPECT_NE(GetModuleHandleA("mciwave.dll"), nullptr) << "round " << round;
    }
}

TEST_F(SoundPlayerTest, DestroyingThePlayerClosesItsDevice) {
    const std::string path = WriteTone("tone.wav", 1.0);
    HWND window = nullptr;
    {
        TSoundPlayer player;
        player.SetFileName(path);
        player.Open();
        player.Play();
        window = player.Handle();
        ASSERT_TRUE(IsWindow(window));
        ASSERT_FALSE(DeleteFileA(path.c_str()));
    }
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(DeleteFileA(path.c_str()));
}

TEST_F(SoundPlayerTest, OpeningAgainClosesTheFirstDevice) {
    const std::string first = WriteTone("first.wav", 1.0);
    const std::string second = WriteTone("second.wav", 0.3);
    TSoundPlayer player;
    player.SetFileName(first);
    player.Open();
    player.Play();
    PumpMessagesFor(100);
    player.SetFileName(second);
    player.Open();
    EXPECT_TRUE(player.IsOpen());
    EXPECT_TRUE(DeleteFileA(first.c_str())) << "the first file was released";
    EXPECT_FALSE(DeleteFileA(second.c_str())) << "the second file is held";
    player.Play();
    ASSERT_TRUE(PumpMessagesUntil([&] { return player.LastNotifyValue() == MCI_NOTIFY_SUCCESSFUL && player.LastNotifyDevice() == player.DeviceId(); }, 5000));
}

// Files MCI cannot open: Open fails with the platform's text for the code MCI returned.
TEST_F(SoundPlayerTest, OpenFailsWithTheMciErrorText) {
    TBytes garbage(4000);
    for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<std::uint8_t>(i * 31 + 7);
    const struct {
        const char* name;
        const char* file;
        TBytes bytes;
        bool write;
    } cases[] = {
        {"garbage", "garbage.wav", garbage, true},
        {"text", "text.wav", BytesOf("This is not a sound."), true},
        {"empty", "empty.wav", {}, true},
        {"missing file", "missing.wav", {}, false},
        {"unknown extension", "tone.xyz123", SynthesizeToneWav(TToneSpec{}), true},
    };
    for (const auto& c : cases) {
        const std::string path = m_folder / c.file;
        if (c.write) {
            ASSERT_TRUE(WriteBytesFile(path, c.bytes));
        }
        TSoundPlayer player;
        player.SetFileName(path);
        try {
            player.Open();
            ADD_FAILURE() << c.name << ": Open did not fail";
        } catch (const EWavFileError& e) {
            ADD_FAILURE() << c.name << ": refused by the header check: " << e.what();
        } catch (const EMCIDeviceError& e) {
            EXPECT_NE(player.Error(), 0u) << c.name;
            EXPECT_EQ(e.what(), MciText(player.Error())) << c.name;
            EXPECT_NE(std::string(e.what()), "") << c.name;
        }
        EXPECT_FALSE(player.IsOpen()) << c.name;
    }
}

// Every damaged or unusual WAV: the process survives, refused headers raise the check's error,
// and whatever opens plays to a notice and closes.
TEST_F(SoundPlayerTest, DamagedWavFilesNeverCrashThePlayer) {
    const std::string path = m_folder / "mutated.wav";
    TSoundPlayer player;
    for (const TWavMutation& m : WavMutationSet()) {
        SCOPED_TRACE(m.name);
        ASSERT_TRUE(WriteBytesFile(path, m.bytes));
        player.SetFileName(path);
        TWavVerdict verdict = TWavVerdict::plays;
        try {
            player.Open();
        } catch (const EWavFileError& e) {
            verdict = TWavVerdict::refusedByCheck;
            EXPECT_EQ(std::string(e.what()).rfind("Unsupported WAV file: ", 0), 0u) << e.what();
        } catch (const EMCIDeviceError& e) {
            verdict = TWavVerdict::rejectedByPlayer;
            EXPECT_EQ(e.what(), MciText(player.Error()));
        }
        EXPECT_EQ(static_cast<int>(verdict), static_cast<int>(m.verdict));
        if (!player.IsOpen()) continue;
        const unsigned notices = player.NotifyCount();
        player.Play();
        EXPECT_EQ(player.Error(), 0u);
        EXPECT_TRUE(PumpMessagesUntil([&] { return player.NotifyCount() > notices; }, 8000));
        EXPECT_EQ(player.LastNotifyValue(), static_cast<WPARAM>(MCI_NOTIFY_SUCCESSFUL));
        player.Close();
        EXPECT_FALSE(player.IsOpen());
    }
}


// Every sound file the build made with real encoders (sox, ffmpeg, Python's wave module: ADPCM,
// GSM, MP3, A-law, mu-law, PCM of every width, float, six channels, 96 kHz, LIST chunks) passes the
// header check and plays to a successful end through the platform's decoders (0.6 s of tone each).
TEST_F(SoundPlayerTest, FilesFromRealEncodersPlayToTheirEnd) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(FileBesideProgram("encoded\\*.wav").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do names.push_back(found.cFileName);
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    // sox's 7 files, ffmpeg's 22 and Python's one: a missing encoder must not pass unnoticed.
    ASSERT_GE(names.size(), 28u) << "the build made too few encoder files";
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        TSoundPlayer player;
        player.SetFileName(FileBesideProgram("encoded\\" + name));
        try {
            player.Open();
        } catch (const std::exception& e) {
            ADD_FAILURE() << "Open failed: " << e.what();
            continue;
        }
        player.SetNotify(true);
        const DWORD start = GetTickCount();
        player.Play();
        EXPECT_EQ(player.Error(), 0u);
        EXPECT_EQ(player.Mode(), static_cast<DWORD>(MCI_MODE_PLAY));
        ASSERT_TRUE(PumpMessagesUntil([&] { return player.NotifyCount() > 0; }, 5000));
        EXPECT_EQ(player.LastNotifyValue(), static_cast<WPARAM>(MCI_NOTIFY_SUCCESSFUL));
        EXPECT_GE(GetTickCount() - start, 500u) << "the tone did not play for its length";
        EXPECT_LT(GetTickCount() - start, 3000u) << "the tone played far longer than it lasts";
    }
}

}  // namespace
