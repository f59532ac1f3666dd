// The viewer's fixed names and numbers: temporary files, fitting boxes, the wide-screen threshold
// and the main window's title.
#pragma once
#include <string>

#include "container/sonpix.h"

// Base name of the extraction's outputs in the temporary folder, and the names the extraction
// gives them: Tempsx.jpg, Tempsx.wav, Tempsxcop.jpg.
constexpr char kTempBaseName[] = "Tempsx";
inline const std::string kTempPictureFile = std::string(kTempBaseName) + kSonpixPictureSuffix;
inline const std::string kTempSoundFile = std::string(kTempBaseName) + kSonpixSoundSuffix;
inline const std::string kTempMakerPictureFile = std::string(kTempBaseName) + kSonpixMakerPictureSuffix;
// The maker's text was once written here; nothing writes it now, start-up still removes it.
constexpr char kTempMakerTextFile[] = "Tempsxcop.txt";
// The fitted copy, removed right after each use.
constexpr char kTempFittedFile[] = "Tempsxconvert.jpg";

// Screens at least this wide get the larger layout and the larger picture box.
constexpr int kWideScreenWidth = 1024;

// The boxes pictures are fitted into (width, height).
constexpr int kPictureBoxWidth = 400, kPictureBoxHeight = 300;
constexpr int kWidePictureBoxWidth = 680, kWidePictureBoxHeight = 500;
constexpr int kMakerPictureBoxWidth = 225, kMakerPictureBoxHeight = 57;
// The maker's picture in the author details window.
constexpr int kDetailsPictureBoxWidth = 521, kDetailsPictureBoxHeight = 297;

// The main window's title; the maker's credit follows it.
constexpr char kMainCaption[] = "Сонпик Просмотрщик  1.2                              ";

// The creator program, expected beside the viewer; the note pad button starts it.
constexpr char kCreatorProgram[] = "SonpixCreator.exe";
