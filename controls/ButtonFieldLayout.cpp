// The button field's layout per border kind: the host at the right end of the client area,
// the text area ending left of it so that text never runs under the button.
#include "controls/ButtonFieldLayout.h"

TButtonFieldLayout ButtonFieldLayout(TFieldBorder border, int width, int height, int buttonWidth) {
    int hostLeft = 0, hostTop = 0, hostHeight = 0, clientHeight = 0;
    int textLeft = 0, textTop = 0, textRight = 0;
    switch (border) {
        case fbThreeD:
            hostLeft = width - buttonWidth - 4;
            hostHeight = height - 4;
            clientHeight = height - 4;
            textRight = hostLeft - 1;
            break;
        case fbThemed:
            hostLeft = width - buttonWidth - 2;
            hostHeight = height - 2;
            clientHeight = height - 2;
            textLeft = textTop = 1;
            textRight = hostLeft - 1;
            break;
        case fbNone:
            hostLeft = width - buttonWidth;
            hostHeight = height;
            clientHeight = height;
            textRight = hostLeft - 2;
            break;
        case fbSingleFlat:
            hostLeft = width - buttonWidth - 2;
            hostTop = 2;
            hostHeight = height - 4;
            clientHeight = height - 2;
            textRight = hostLeft;
            break;
    }
    TButtonFieldLayout layout{};
    layout.host = RECT{hostLeft, hostTop, hostLeft + buttonWidth, hostTop + hostHeight};
    layout.text = RECT{textLeft, textTop, textRight < textLeft ? textLeft : textRight, clientHeight - 1};
    return layout;
}
