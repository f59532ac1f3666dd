// TButtonHost: a plain face-coloured window; its button covers it.
#include "controls/ButtonHost.h"

TButtonHost::TButtonHost(TComponent* owner) : TCustomControl(owner) {}

void TButtonHost::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.ClassName = "TButtonHost";
    params.Style |= WS_CLIPCHILDREN;
}

void TButtonHost::PaintTo(HDC dc) const {
    const RECT face{0, 0, Width(), Height()};
    FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
}
