// TCreatorForm: playing the sound part, and recording a new one from the default input device.
#include <stdexcept>

#include "creator/CreatorForm.h"
#include "creator/CreatorNames.h"
#include "creator/PartDescriptions.h"
#include "creator/SonpixFiles.h"
#include "sound/SoundRecorder.h"
#include "sys/FileBytes.h"

namespace {
// The first words of the box for a recording that failed, before the platform's text.
const char kNotStarted[] = "Запись не началась, звук остался прежним: ";
const char kNotKept[] = "Запись не сохранена, звук остался прежним: ";
}

void TCreatorForm::PlaySound() {
    FinishRecording();
    const TDraftPart& sound = m_document.Contents().sound;
    if (sound.Empty()) return;
    // The player lets go of its copy before the copy is written anew.
    ClosePlayer();
    WriteFileBytes(m_playCopy, sound.bytes);
    SoundPlayer1->SetFileName(m_playCopy);
    SoundPlayer1->Open();
    SoundPlayer1->Play();
}

void TCreatorForm::StopSound() {
    FinishRecording();
    ClosePlayer();
}

void TCreatorForm::ClosePlayer() {
    if (SoundPlayer1 && SoundPlayer1->IsOpen()) SoundPlayer1->Close();
}

void TCreatorForm::ToggleRecording() {
    if (SoundRecorder1 && SoundRecorder1->IsRecording()) {
        FinishRecording();
        return;
    }
    ClosePlayer();
    if (!SoundRecorder1) SoundRecorder1 = std::make_unique<TSoundRecorder>();
    try {
        SoundRecorder1->Start();
    } catch (const std::exception& error) {
        // One box that says what failed; the form and the sound stay as they were.
        throw std::runtime_error(kNotStarted + std::string(error.what()));
    }
    Button5->SetCaption("Закончить");
    Button3->SetEnabled(false);
    Timer1->SetEnabled(true);
    RecordingTick();
}

void TCreatorForm::RecordingTick() {
    if (!SoundRecorder1) return;
    StaticText2->SetCaption("Идёт запись: " + SecondsText(SoundRecorder1->LengthMs() / 1000.0) +
                            "\r\nЗакончить: эта кнопка, \"Стоп\" или Esc");
}

// The recording ends and becomes the sound; its file stays until the Sonpix file is saved.
void TCreatorForm::FinishRecording() {
    if (!SoundRecorder1 || !SoundRecorder1->IsRecording()) return;
    Timer1->SetEnabled(false);
    Button5->SetCaption("Записать");
    SoundRecorder1->Stop();
    try {
        SoundRecorder1->SaveTo(m_recordingFile);
    } catch (const std::exception& error) {
        // Stopped before the input started, or the file could not be written.
        ShowSound();
        throw std::runtime_error(kNotKept + std::string(error.what()));
    }
    TDraftPart recording = ReadPartFile(m_recordingFile);
    recording.source = kRecordingName;
    m_document.SetSound(std::move(recording));
    ShowSound();
    ShowState();
}
