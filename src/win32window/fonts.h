#pragma once

#include <windows.h>

#include <span>
#include <string>

namespace tolvane {

// How a control draws its caption, which decides the room it leaves the text.
enum class CaptionKind { Option, Button, Frame, Label };

struct CaptionedControl {
    HWND window;
    std::wstring caption;  // "&" marks an access key
    CaptionKind kind;
};

// The first family, of the fonts that carry Japanese on Windows, that is installed and draws
// every character of every caption: the layout's own gothic first.
std::wstring JapaneseFamily(HDC dc, std::span<const std::wstring> captions);

// The largest font like `request` (its height, then at that height the widest width) in which
// every control's caption fits the room its control gives it: its advance within the width, its
// ink within the height. Where none fits, the smallest tried. The caller owns the font.
HFONT FitCaptionFont(HDC dc, LOGFONTW request, std::span<const CaptionedControl> controls,
                     UINT dpi);

// Whether `font` draws the control's caption whole at `dpi`.
bool CaptionFits(HDC dc, HFONT font, const CaptionedControl& control, UINT dpi);

}  // namespace tolvane
