// The creator's fixed names and numbers: its title, the labels of the parts, the preview boxes,
// the temporary files and the viewer it starts.
#pragma once

// The program's name as the title shows it after the file's name.
constexpr char kCreatorTitle[] = "Сонпик Создатель";
// The title's name for a file that has never been saved.
constexpr char kUntitledName[] = "Новый Сонпик";

// The parts as messages name them (the authoring library's "who" for each part).
constexpr char kPictureLabel[] = "Картинка";
constexpr char kSoundLabel[] = "Звук";
constexpr char kMakerPictureLabel[] = "Картинка автора";
constexpr char kMakerTextLabel[] = "Текст автора";

// The preview boxes: the viewer's picture box on screens narrower than 1024 pixels and its box
// for the maker's picture (the same numbers as app/ViewerNames.h, which the creator may not use).
constexpr int kPreviewWidth = 400, kPreviewHeight = 300;
constexpr int kMakerPreviewWidth = 225, kMakerPreviewHeight = 57;

// The sound's source as the sound box shows it when the sound is a recording.
constexpr char kRecordingName[] = "Запись с микрофона";

// The file extensions the creator knows, lower case.
constexpr char kSonpixExtension[] = ".sonpix";
constexpr char kJpegExtension[] = ".jpg";
constexpr char kJpegLongExtension[] = ".jpeg";
constexpr char kWavExtension[] = ".wav";

// The viewer, expected beside the creator.
constexpr char kViewerProgram[] = "SonpixViewer.exe";

// Temporary files in the temporary folder, each name followed by the process id: the sound as
// the player plays it, and a recording until the Sonpix file that holds it is saved.
constexpr char kPlayCopyPrefix[] = "SonpixCreatorPlay";
constexpr char kRecordingPrefix[] = "SonpixCreatorRecording";
