// Where the button host and the text area of a button field go, for each kind of field border.
#pragma once
#include <windows.h>

enum TFieldBorder {
    fbThreeD,      // sunken 2-pixel edge (no visual styles)
    fbThemed,      // 1-pixel edge drawn by visual styles
    fbNone,        // no border
    fbSingleFlat,  // single black line without 3-D look
};

struct TButtonFieldLayout {
    RECT host;  // client coordinates; right and bottom exclusive
    RECT text;  // the formatting rectangle handed to EM_SETRECTNP
};

// width and height are the field's outer size, buttonWidth the host's width.
TButtonFieldLayout ButtonFieldLayout(TFieldBorder border, int width, int height, int buttonWidth);
