// The glyphs of the folder browse dialog, drawn by the program: three folders for the folder
// list and one per drive type for the drive list, 16 x 15 pixels each, transparent where they
// have the colour of their bottom-left pixel.
#pragma once
#include "sys/GdiObjects.h"

enum TFolderDialogGlyph {
    fgOpenFolder,     // the root and the folders on the way down ("OPENFOLDER")
    fgCurrentFolder,  // the open folder ("CURRENTFOLDER")
    fgClosedFolder,   // a sub-folder ("CLOSEDFOLDER")
    fgFloppy,         // removable drive ("FLOPPY")
    fgHard,           // fixed drive ("HARD")
    fgNetwork,        // remote drive ("NETWORK")
    fgCdRom,          // CD-ROM ("CDROM")
    fgRam,            // RAM disk ("RAM")
    fgGlyphCount
};

constexpr int kDialogGlyphWidth = 16;
constexpr int kDialogGlyphHeight = 15;

// A new 24-bit bitmap of the glyph.
TBitmapHandle MakeFolderDialogGlyph(TFolderDialogGlyph glyph);
