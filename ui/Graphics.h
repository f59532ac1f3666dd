// Colours (plain RGB or system colour indexes) and the font description that controls share.
#pragma once
#include <windows.h>

#include <string>

#include "sys/GdiObjects.h"

// A colour: an RGB value, or a system colour index with the high bit set (resolved at use).
using TColor = unsigned int;
constexpr TColor kSystemColorFlag = 0x80000000u;
constexpr TColor SystemColor(int index) { return kSystemColorFlag | static_cast<TColor>(index); }
constexpr TColor clBlack = RGB(0, 0, 0);
constexpr TColor clWhite = RGB(255, 255, 255);
constexpr TColor clRed = RGB(255, 0, 0);
constexpr TColor clYellow = RGB(255, 255, 0);
constexpr TColor clGray = RGB(128, 128, 128);
constexpr TColor clSilver = RGB(192, 192, 192);
constexpr TColor clBtnFace = SystemColor(COLOR_BTNFACE);
constexpr TColor clBtnShadow = SystemColor(COLOR_BTNSHADOW);
constexpr TColor clBtnHighlight = SystemColor(COLOR_BTNHIGHLIGHT);
constexpr TColor clWindow = SystemColor(COLOR_WINDOW);
constexpr TColor clWindowText = SystemColor(COLOR_WINDOWTEXT);
constexpr TColor clActiveCaption = SystemColor(COLOR_ACTIVECAPTION);

COLORREF ColorToRGB(TColor color);

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// What a font looks like; the GDI font is made on first use and remade after a change.
// Copying copies the description, never the GDI object.
class TFont {
public:
    TFont() = default;
    TFont(const TFont& other) : m_name(other.m_name), m_height(other.m_height), m_style(other.m_style), m_color(other.m_color) {}
    TFont& operator=(const TFont& other);
    bool operator==(const TFont& other) const {
        return m_name == other.m_name && m_height == other.m_height && m_style == other.m_style && m_color == other.m_color;
    }
    bool operator!=(const TFont& other) const { return !(*this == other); }

    const std::string& Name() const { return m_name; }
    int Height() const { return m_height; }
    unsigned Style() const { return m_style; }
    TColor Color() const { return m_color; }
    void SetName(const std::string& name);
    void SetHeight(int height);
    void SetStyle(unsigned style);
    void SetColor(TColor color) { m_color = color; }

    // The GDI font of this description, owned by this object.
    HFONT Handle() const;

private:
    std::string m_name = "MS Sans Serif";
    int m_height = -11;  // 8 points at 96 dots per inch
    unsigned m_style = 0;
    TColor m_color = clWindowText;
    mutable TFontHandle m_handle;  // owned; made by Handle(), dropped on every change
};
