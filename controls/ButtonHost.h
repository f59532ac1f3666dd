// TButtonHost: the child window at the right end of a button field that carries its button.
#pragma once
#include "ui/CustomControl.h"

class TButtonHost : public TCustomControl {
public:
    explicit TButtonHost(TComponent* owner);
    void PaintTo(HDC dc) const override;

protected:
    void CreateParams(TCreateParams& params) override;
};
