// TCreatorForm: playing the sound part, and recording a new one from the default input device.
#include "creator/CreatorForm.h"
#include "creator/PartDescriptions.h"
#include "creator/SonpixFiles.h"
#include "sound/SoundRecorder.h"
#include "sys/FileBytes.h"

namespace {
const char kRecordingName[] = "Запись с микрофона";
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
    SoundRecorder1->Start();
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
    } catch (...) {
        ShowSound();
        throw;
    }
    TDraftPart recording = ReadPartFile(m_recordingFile);
    recording.source = kRecordingName;
    m_document.SetSound(std::move(recording));
    ShowSound();
    ShowState();
}
