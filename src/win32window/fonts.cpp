#include "win32window/fonts.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

#include "form/form_captions.h"
#include "form/form_fonts.h"
#include "runtime/utf16.h"

namespace tolvane {
namespace {

int Scaled(int pixelsAt96Dpi, UINT dpi) {
    return ::MulDiv(pixelsAt96Dpi, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

// The width a control leaves its caption: an option less its circle and the gap after it, a
// button less its edges, a frame less its corners.
int CaptionRoom(const CaptionedControl& control, UINT dpi) {
    RECT client{};
    ::GetClientRect(control.window, &client);
    const int width = client.right - client.left;
    if (IsOption(control.ref.array)) {
        return width - ::GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) - Scaled(4, dpi);
    }
    switch (control.ref.array) {
        case ControlArray::Command1: return width - 2 * Scaled(4, dpi);
        case ControlArray::Frame1: return width - 2 * Scaled(kFrameTitleMargin, dpi);
        default: return width;
    }
}

class SelectedFont {
  public:
    SelectedFont(HDC dc, HFONT font) : dc_(dc), previous_(::SelectObject(dc, font)) {}
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;
    ~SelectedFont() { ::SelectObject(dc_, previous_); }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The highest and lowest ink of a text, from its baseline, upwards positive.
struct Ink {
    long top = LONG_MIN;
    long bottom = LONG_MAX;
};

Ink InkOf(HDC dc, const std::wstring& text) {
    constexpr MAT2 kIdentity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    Ink ink;
    for (const wchar_t character : text) {
        GLYPHMETRICS metrics{};
        if (::GetGlyphOutlineW(dc, character, GGO_METRICS, &metrics, 0, nullptr, &kIdentity) ==
                GDI_ERROR ||
            character == L' ') {
            continue;
        }
        ink.top = std::max(ink.top, metrics.gmptGlyphOrigin.y);
        ink.bottom = std::min(ink.bottom,
                              metrics.gmptGlyphOrigin.y - static_cast<long>(metrics.gmBlackBoxY));
    }
    return ink;
}

bool CaptionFits(HDC dc, HFONT font, const CaptionedControl& control, UINT dpi) {
    const SelectedFont selected(dc, font);
    const char* caption = PlacementOf(control.ref).caption;
    const std::wstring shown = Utf16(ShownCaption(caption));
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &extent);
    if (extent.cx > CaptionRoom(control, dpi)) {
        return false;
    }
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    RECT client{};
    ::GetClientRect(control.window, &client);
    const long height = client.bottom - client.top;
    // Options and buttons centre the line in their height; frames and labels draw it at the top.
    const bool centred = IsOption(control.ref.array) || control.ref.array == ControlArray::Command1;
    const long baseline = (centred ? (height - metrics.tmHeight) / 2 : 0) + metrics.tmAscent;
    const Ink ink = InkOf(dc, shown);
    if (baseline - ink.top < 0 || baseline - ink.bottom > height) {
        return false;
    }
    // An access key's underline, a pixel or two under the baseline, stays inside the face.
    return AccessKeyOf(caption) == '\0' || baseline + Scaled(2, dpi) < height - 1;
}

}  // namespace

LONG PixelHeight(double points, UINT dpi) {
    return std::lround(points * dpi / 72.0);
}

std::wstring JapaneseFamily(HDC dc) {
    // The layout was drawn for MS P Gothic, the family the unit labels ask for by name;
    // Windows without the Japanese fonts feature still has Yu Gothic UI (10 and 11) and Meiryo UI
    // (from Vista to 10). Last, the free gothics a user may have installed.
    const std::array<std::wstring, 9> families = {Utf16(kUnitLabelFont.family),
                                                  L"MS PGothic",
                                                  L"Yu Gothic UI",
                                                  L"Meiryo UI",
                                                  L"MS UI Gothic",
                                                  L"Yu Gothic",
                                                  L"Meiryo",
                                                  L"IPAPGothic",
                                                  L"Noto Sans CJK JP"};
    std::wstring characters;
    for (const ControlRef control : ControlsInTabOrder()) {
        characters += Utf16(ShownCaption(PlacementOf(control).caption));
    }
    for (const std::wstring& family : families) {
        LOGFONTW request{};
        request.lfHeight = -12;
        request.lfCharSet = SHIFTJIS_CHARSET;
        ::lstrcpynW(request.lfFaceName, family.c_str(), LF_FACESIZE);
        HFONT font = ::CreateFontIndirectW(&request);
        bool whole = false;
        {
            const SelectedFont selected(dc, font);
            std::array<wchar_t, LF_FACESIZE> face{};
            ::GetTextFaceW(dc, static_cast<int>(face.size()), face.data());
            std::wstring glyphs(characters.size(), L'\0');
            // A missing family gives some other font; a family without Japanese gives boxes.
            whole = ::lstrcmpiW(face.data(), family.c_str()) == 0 &&
                    ::GetGlyphIndicesW(dc, characters.c_str(), static_cast<int>(characters.size()),
                                       reinterpret_cast<WORD*>(glyphs.data()),
                                       GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR &&
                    std::ranges::none_of(glyphs, [](wchar_t glyph) { return glyph == 0xFFFF; });
        }
        ::DeleteObject(font);
        if (whole) {
            return family;
        }
    }
    return families[0];
}

CaptionFonts::~CaptionFonts() {
    for (const auto& [size, font] : fonts_) {
        ::DeleteObject(font);
    }
}

HFONT CaptionFonts::At(HDC dc, LONG height, int stretch) {
    const auto [at, made] = fonts_.try_emplace({height, stretch}, nullptr);
    if (made) {
        LOGFONTW request = request_;
        request.lfHeight = -height;
        // Narrowed from the natural font's average character, the font's own idea of its width.
        request.lfWidth = stretch == 100 ? 0 : ::MulDiv(AverageWidth(dc, height), stretch, 100);
        at->second = ::CreateFontIndirectW(&request);
    }
    return at->second;
}

LONG CaptionFonts::AverageWidth(HDC dc, LONG height) {
    TEXTMETRICW metrics{};
    const SelectedFont selected(dc, At(dc, height, 100));
    ::GetTextMetricsW(dc, &metrics);
    return metrics.tmAveCharWidth;
}

HFONT FitCaptionFont(HDC dc, CaptionFonts& fonts, double points,
                     std::span<const CaptionedControl> controls, UINT dpi) {
    // Quarter points that come to the same pixels are answered once: a height tried at every
    // width is done with.
    LONG exhaustedHeight = 0;
    const CaptionFont chosen = LargestFittingFont(points, [&](const CaptionFont& font) {
        const LONG height = PixelHeight(font.points, dpi);
        if (height == exhaustedHeight) {
            return false;
        }
        HFONT candidate = fonts.At(dc, height, font.stretch);
        const bool fits = std::ranges::all_of(controls, [&](const CaptionedControl& control) {
            return CaptionFits(dc, candidate, control, dpi);
        });
        if (!fits && font.stretch == kNarrowestStretch) {
            exhaustedHeight = height;
        }
        return fits;
    });
    return fonts.At(dc, PixelHeight(chosen.points, dpi), chosen.stretch);
}

}  // namespace tolvane
