#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>

#include "form/form_captions.h"

namespace tolvane::win32 {

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

// What the control's caption draws in `font`, by GDI's metrics.
CaptionExtent MeasureCaption(HDC dc, HFONT font, ControlRef control);

}  // namespace tolvane::win32
