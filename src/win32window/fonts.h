#pragma once

#include <windows.h>

#include <span>
#include <string>

#include "form/form_layout.h"

namespace tolvane {

// A control whose caption the fitting measures, and which array it belongs to: that decides the
// room the system's drawing leaves the text.
struct CaptionedControl {
    HWND window;
    ControlRef ref;
};

// The first family, of the fonts that carry Japanese on Windows, that is installed and draws
// every character of every caption: the layout's own gothic first.
std::wstring JapaneseFamily(HDC dc);

// The font like `request`, at the size and width the form's fitting chooses from `points`, in
// which every control's caption is drawn whole at `dpi`: its advance within the room its
// control gives it, its ink within the height. The caller owns the font.
HFONT FitCaptionFont(HDC dc, const LOGFONTW& request, double points,
                     std::span<const CaptionedControl> controls, UINT dpi);

// A font's height in whole pixels at `dpi`, to the nearest.
LONG PixelHeight(double points, UINT dpi);

}  // namespace tolvane
