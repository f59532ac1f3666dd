// Colour resolution and the lazily made GDI font of a TFont.
#include "ui/Graphics.h"

COLORREF ColorToRGB(TColor color) {
    if (color & kSystemColorFlag) return GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color);
}

TFont& TFont::operator=(const TFont& other) {
    if (this == &other || *this == other) return *this;
    const bool sameLook = m_name == other.m_name && m_height == other.m_height && m_style == other.m_style;
    m_name = other.m_name;
    m_height = other.m_height;
    m_style = other.m_style;
    m_color = other.m_color;
    if (!sameLook) m_handle.Reset();
    return *this;
}

void TFont::SetName(const std::string& name) {
    if (name == m_name) return;
    m_name = name;
    m_handle.Reset();
}

void TFont::SetHeight(int height) {
    if (height == m_height) return;
    m_height = height;
    m_handle.Reset();
}

void TFont::SetStyle(unsigned style) {
    if (style == m_style) return;
    m_style = style;
    m_handle.Reset();
}

HFONT TFont::Handle() const {
    if (!m_handle) {
        LOGFONTA lf{};
        lf.lfHeight = m_height;
        lf.lfWeight = (m_style & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (m_style & fsItalic) ? TRUE : FALSE;
        lf.lfUnderline = (m_style & fsUnderline) ? TRUE : FALSE;
        lf.lfStrikeOut = (m_style & fsStrikeOut) ? TRUE : FALSE;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
        lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        lf.lfQuality = DEFAULT_QUALITY;
        lf.lfPitchAndFamily = DEFAULT_PITCH;
        lstrcpynA(lf.lfFaceName, m_name.c_str(), LF_FACESIZE);
        m_handle.Reset(CreateFontIndirectA(&lf));
    }
    return m_handle.Get();
}
