#include "win32window/fonts.h"

#include <algorithm>
#include <array>
#include <climits>

#include "form/form_captions.h"
#include "form/form_fonts.h"
#include "runtime/utf16.h"

namespace tolvane::win32 {
namespace {

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

}  // namespace

CaptionExtent MeasureCaption(HDC dc, HFONT font, ControlRef control) {
    const SelectedFont selected(dc, font);
    const std::wstring shown = Utf16(ShownCaption(PlacementOf(control).caption));
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &extent);
    TEXTMETRICW text{};
    ::GetTextMetricsW(dc, &text);
    // The underline's top, negative below the baseline, and its thickness, asked for only where
    // there is an access key to underline: a font without outlines has none, and is taken to
    // underline two pixels below the baseline.
    OUTLINETEXTMETRICW outline{};
    const bool outlined = AccessKeyOf(PlacementOf(control).caption) != '\0' &&
                          ::GetOutlineTextMetricsW(dc, sizeof outline, &outline) != 0;
    const Ink ink = InkOf(dc, shown);
    return {static_cast<double>(extent.cx),
            static_cast<double>(text.tmAscent),
            static_cast<double>(text.tmDescent),
            static_cast<double>(ink.top),
            static_cast<double>(-ink.bottom),
            outlined ? outline.otmsUnderscoreSize - outline.otmsUnderscorePosition : 2.0};
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

}  // namespace tolvane::win32
