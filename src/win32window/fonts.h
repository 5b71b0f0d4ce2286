#pragma once

#include <windows.h>

#include <map>
#include <span>
#include <string>
#include <utility>

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

// The fonts a window's fitting makes, like one request in all but size and width, each made
// once however many groups and tries ask for it, and deleted together.
class CaptionFonts {
  public:
    explicit CaptionFonts(const LOGFONTW& request) : request_(request) {}
    CaptionFonts(const CaptionFonts&) = delete;
    CaptionFonts& operator=(const CaptionFonts&) = delete;
    ~CaptionFonts();

    // The font `height` pixels high, narrowed to `stretch` percent of its natural width as `dc`
    // measures it.
    HFONT At(HDC dc, LONG height, int stretch);

  private:
    LONG AverageWidth(HDC dc, LONG height);

    LOGFONTW request_;
    std::map<std::pair<LONG, int>, HFONT> fonts_;
};

// The font, of `fonts`, at the size and width the form's fitting chooses from `points`, in which
// every control's caption is drawn whole at `dpi`: its advance within the room its control gives
// it, its ink within the height.
HFONT FitCaptionFont(HDC dc, CaptionFonts& fonts, double points,
                     std::span<const CaptionedControl> controls, UINT dpi);

// A font's height in whole pixels at `dpi`, to the nearest.
LONG PixelHeight(double points, UINT dpi);

}  // namespace tolvane
