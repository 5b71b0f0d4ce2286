#include "win32window/caption_font.h"

#include <algorithm>
#include <array>
#include <climits>

namespace tolvane {
namespace {

// Narrowing keeps a caption's height; only past this is the font made smaller.
constexpr int kNarrowestStretch = 85;
constexpr int kStretchStep = 5;
constexpr int kSmallestPoints = 6;

int Scaled(int pixelsAt96Dpi, UINT dpi) {
    return ::MulDiv(pixelsAt96Dpi, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

std::wstring Shown(const std::wstring& caption) {
    std::wstring shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && i + 1 < caption.size()) {
            ++i;  // "&&" shows one "&"; "&A" shows "A", underlined
        }
        shown += caption[i];
    }
    return shown;
}

// The width a control leaves its caption: an option less its circle and the gap after it, a
// button less its edges, a frame less its corners.
int CaptionRoom(const CaptionedControl& control, UINT dpi) {
    RECT client{};
    ::GetClientRect(control.window, &client);
    const int width = client.right - client.left;
    switch (control.kind) {
        case CaptionKind::Option:
            return width - ::GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) - Scaled(4, dpi);
        case CaptionKind::Button: return width - 2 * Scaled(4, dpi);
        case CaptionKind::Frame: return width - 2 * Scaled(8, dpi);
        case CaptionKind::Label: break;
    }
    return width;
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

}  // namespace

std::wstring JapaneseFamily(HDC dc, std::span<const std::wstring> captions) {
    // The layout was drawn for MS P Gothic; Windows without the Japanese fonts feature still has
    // Yu Gothic UI (10 and 11) and Meiryo UI (from Vista to 10). Last, the free gothics a user
    // may have installed.
    // The first is the family the unit labels ask for by name (kUnitLabelFont).
    constexpr std::array<const wchar_t*, 9> kFamilies = {
        L"ＭＳ Ｐゴシック", L"MS PGothic", L"Yu Gothic UI", L"Meiryo UI",       L"MS UI Gothic",
        L"Yu Gothic",       L"Meiryo",     L"IPAPGothic",   L"Noto Sans CJK JP"};
    std::wstring characters;
    for (const std::wstring& caption : captions) {
        characters += Shown(caption);
    }
    for (const wchar_t* family : kFamilies) {
        LOGFONTW request{};
        request.lfHeight = -12;
        request.lfCharSet = SHIFTJIS_CHARSET;
        ::lstrcpynW(request.lfFaceName, family, LF_FACESIZE);
        HFONT font = ::CreateFontIndirectW(&request);
        bool whole = false;
        {
            const SelectedFont selected(dc, font);
            std::array<wchar_t, LF_FACESIZE> face{};
            ::GetTextFaceW(dc, static_cast<int>(face.size()), face.data());
            std::wstring glyphs(characters.size(), L'\0');
            // A missing family gives some other font; a family without Japanese gives boxes.
            whole = ::lstrcmpiW(face.data(), family) == 0 &&
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
    return kFamilies[0];
}

bool CaptionFits(HDC dc, HFONT font, const CaptionedControl& control, UINT dpi) {
    const SelectedFont selected(dc, font);
    const std::wstring shown = Shown(control.caption);
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
    const bool centred = control.kind == CaptionKind::Option || control.kind == CaptionKind::Button;
    const long baseline = (centred ? (height - metrics.tmHeight) / 2 : 0) + metrics.tmAscent;
    const Ink ink = InkOf(dc, shown);
    if (baseline - ink.top < 0 || baseline - ink.bottom > height) {
        return false;
    }
    // An access key's underline, a pixel or two under the baseline, stays inside the face.
    const bool hasAccessKey = shown.size() != control.caption.size();
    return !hasAccessKey || baseline + Scaled(2, dpi) < height - 1;
}

HFONT FitCaptionFont(HDC dc, LOGFONTW request, std::span<const CaptionedControl> controls,
                     UINT dpi) {
    const int smallest = ::MulDiv(kSmallestPoints, static_cast<int>(dpi), 72);
    HFONT font = nullptr;
    for (int height = -request.lfHeight; height >= smallest; --height) {
        request.lfHeight = -height;
        request.lfWidth = 0;
        HFONT natural = ::CreateFontIndirectW(&request);
        TEXTMETRICW metrics{};
        {
            const SelectedFont selected(dc, natural);
            ::GetTextMetricsW(dc, &metrics);
        }
        for (int stretch = 100; stretch >= kNarrowestStretch; stretch -= kStretchStep) {
            if (font != nullptr) {
                ::DeleteObject(font);
            }
            if (stretch == 100) {
                font = natural;
            } else {
                request.lfWidth = ::MulDiv(metrics.tmAveCharWidth, stretch, 100);
                font = ::CreateFontIndirectW(&request);
            }
            if (std::ranges::all_of(controls, [&](const CaptionedControl& control) {
                    return CaptionFits(dc, font, control, dpi);
                })) {
                return font;
            }
        }
    }
    return font;
}

}  // namespace tolvane
