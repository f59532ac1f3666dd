// The creator's own rules, free of windows: the maker's text as it is stored, the title, the
// preview size and the kind of a file by its name.
#pragma once
#include <string>

#include "picture/FitScale.h"

// The maker's text as the file stores it (Windows-1251): every line break CR LF, whether the
// field gave CR LF, a lone LF or a lone CR; line breaks, blanks and tabs at the end dropped (the
// viewer's author window adds a line break of its own). A text of nothing else becomes empty.
std::string StoredMakerText(const std::string& fieldText);

// The window title: the file's name (or "Новый Сонпик"), "*" while changes are unsaved, then the
// program's name.
std::string CreatorCaption(const std::string& path, bool modified);

// The size a picture is previewed at: fitted into the box as the viewer fits it, but a picture
// that fits already keeps its own size (never enlarged).
TFitSize PreviewSize(int width, int height, int boxWidth, int boxHeight);

// How many times smaller (8, 4, 2 or 1) a picture can be decoded for a preview of size preview:
// the largest reduction whose picture, its sides rounded up as the decoder rounds them, is still
// at least as large as the preview in both directions, so that the preview is only ever reduced.
unsigned PreviewReduction(int width, int height, const TFitSize& preview);

enum class TFileKind { other, picture, sound, sonpix };
// The kind of a file by its extension (.jpg/.jpeg, .wav, .sonpix), in any case.
TFileKind KindOfFile(const std::string& path);
