// A tone played through MCI from a WAV file written for it: under the wine runner it goes into
// the null sink, whose monitor is the default input, so a recorder hears it. Header-only, for the
// test programs that link the sound player.
#pragma once
#include <string>

#include "sound/SoundPlayer.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WavSynth.h"

class TPlayingTone {
public:
    // Writes the tone to path and starts playing it; Written() says whether the file was written.
    TPlayingTone(const std::string& path, const TToneSpec& tone)
        : m_written(WriteBytesFile(path, SynthesizeToneWav(tone))) {
        m_player.SetFileName(path);
        m_player.Open();
        m_player.Play();
    }
    bool Written() const { return m_written; }
    TSoundPlayer& Player() { return m_player; }

private:
    bool m_written;
    TSoundPlayer m_player;
};
