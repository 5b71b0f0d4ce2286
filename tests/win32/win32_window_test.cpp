// The Win32 face in process, under Wine: the controls the dialog manager tabs through, the layout
// and fonts at several DPIs, every caption measured against the room its control gives it, and the
// option handlers. The arrow keys, conversions and their message boxes are driven from outside,
// with real keys, by window_test.sh.
#include "win32window/main_window.h"

#include <windows.h>

#include <span>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "common/temp_dir.h"
#include "form/form_layout.h"
#include "runtime/utf16.h"
#include "win32window/caption_font.h"

namespace tolvane {
namespace {

constexpr const char* kEvenTable =
    "60,60,60,60,60,60\n60,60,60,60,60,60\n60,60,60,60,60,60\n60,60,60,60,60,60\n";

class Window : public ::testing::Test {
  protected:
    Window() {
        dir_.Write("table.csv", kEvenTable);
        form_.Start();
    }

    // Every captioned control with its caption and the kind of room it gives it.
    std::vector<CaptionedControl> Captioned() const {
        std::vector<CaptionedControl> controls;
        using Group = std::pair<std::span<const HWND>, CaptionKind>;
        for (const auto& [group, kind] :
             {Group{form_.Frame1, CaptionKind::Frame}, Group{form_.Option1, CaptionKind::Option},
              Group{form_.Option2, CaptionKind::Option}, Group{form_.Option3, CaptionKind::Option},
              Group{form_.Option4, CaptionKind::Option}, Group{form_.Command1, CaptionKind::Button},
              Group{form_.Label1, CaptionKind::Label}}) {
            for (HWND control : group) {
                std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(control)) + 1,
                                  L'\0');
                text.resize(static_cast<std::size_t>(
                    ::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
                controls.push_back({control, text, kind});
            }
        }
        return controls;
    }

    testing::TempDir dir_;
    MainF form_{::GetModuleHandleW(nullptr), testing::Utf8(dir_.path())};
};

TEST_F(Window, TabWalksTheControlsAsTheDialogManagerSeesThem) {
    // Tab: each group at its checked option, then each panel's box and button, round.
    std::vector<HWND> stops;
    HWND at = form_.Option1[0];
    for (int i = 0; i < 9; ++i) {
        stops.push_back(at);
        at = ::GetNextDlgTabItem(form_.Window(), at, FALSE);
    }
    EXPECT_EQ(stops, (std::vector<HWND>{form_.Option1[0], form_.Option2[0], form_.Option3[0],
                                        form_.Option4[0], form_.Text1, form_.Command1[0],
                                        form_.Text2, form_.Command1[1], form_.Option1[0]}));
    // A click moves the group's Tab stop to the option it checks, and runs its handler.
    ::SendMessageW(form_.Option3[2], BM_CLICK, 0, 0);
    ::SendMessageW(form_.Option1[1], BM_CLICK, 0, 0);
    ::SendMessageW(form_.Option4[5], BM_CLICK, 0, 0);
    EXPECT_EQ(::GetNextDlgTabItem(form_.Window(), form_.Option2[0], FALSE), form_.Option3[2]);
    EXPECT_EQ(form_.State().TimeBand, 2);
    EXPECT_EQ(form_.State().DistanceBand, 5);
    EXPECT_EQ(form_.State().PlanFactor, 1.2f);
    EXPECT_EQ(::SendMessageW(form_.Option1[0], BM_GETCHECK, 0, 0), BST_UNCHECKED);
    // The boxes take any text, not an edit control's usual 30,000 characters.
    EXPECT_GE(::SendMessageW(form_.Text2, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
}

TEST_F(Window, LaidOutInTwipsAtEveryDpiWithEveryCaptionWhole) {
    HDC dc = ::GetDC(form_.Window());
    for (const UINT dpi : {96u, 144u, 192u, 120u}) {
        SCOPED_TRACE(dpi);
        if (dpi != 96) {
            RECT suggested = {0, 0, 800, 800};
            ::SendMessageW(form_.Window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                           reinterpret_cast<LPARAM>(&suggested));
        }
        const auto pixels = [dpi](int twips) {
            return ::MulDiv(twips, static_cast<int>(dpi), kTwipsPerInch);
        };
        RECT client{};
        ::GetClientRect(form_.Window(), &client);
        EXPECT_EQ(client.right, pixels(kClientWidthTwips));
        EXPECT_EQ(client.bottom, pixels(kClientHeightTwips));
        // Inside a frame, from the frame's corner: the standard plan at (120 + 240, 120 + 840).
        RECT plan{};
        ::GetWindowRect(form_.Option1[2], &plan);
        ::MapWindowPoints(HWND_DESKTOP, form_.Window(), reinterpret_cast<POINT*>(&plan), 2);
        EXPECT_EQ(plan.left, pixels(360));
        EXPECT_EQ(plan.top, pixels(960));
        EXPECT_EQ(plan.right - plan.left, pixels(1695));
        EXPECT_EQ(plan.bottom - plan.top, pixels(180));
        for (const CaptionedControl& control : Captioned()) {
            const auto font =
                reinterpret_cast<HFONT>(::SendMessageW(control.window, WM_GETFONT, 0, 0));
            EXPECT_TRUE(CaptionFits(dc, font, control, dpi)) << Utf8(control.caption);
        }
    }
    ::ReleaseDC(form_.Window(), dc);
}

TEST_F(Window, AFontTooLargeForItsGroupIsShrunkToTheLargestThatFits) {
    HDC dc = ::GetDC(form_.Window());
    const std::vector<CaptionedControl> plans = {
        {form_.Option1[0], L"スーパーパックＬ", CaptionKind::Option},
        {form_.Option1[2], L"標準コース", CaptionKind::Option}};
    LOGFONTW request{};
    request.lfHeight = -30;
    request.lfCharSet = SHIFTJIS_CHARSET;
    const std::vector<std::wstring> captions = {plans[0].caption, plans[1].caption};
    ::lstrcpynW(request.lfFaceName, JapaneseFamily(dc, captions).c_str(), LF_FACESIZE);
    HFONT fitted = FitCaptionFont(dc, request, plans, 96);
    LOGFONTW chosen{};
    ::GetObjectW(fitted, sizeof chosen, &chosen);
    EXPECT_LT(-chosen.lfHeight, 30);
    for (const CaptionedControl& control : plans) {
        EXPECT_TRUE(CaptionFits(dc, fitted, control, 96));
    }
    // One pixel larger, at full width, does not fit: the largest was taken.
    LOGFONTW larger = chosen;
    larger.lfHeight -= 1;
    larger.lfWidth = 0;
    HFONT tooLarge = ::CreateFontIndirectW(&larger);
    EXPECT_FALSE(CaptionFits(dc, tooLarge, plans[0], 96) &&
                 CaptionFits(dc, tooLarge, plans[1], 96));
    ::DeleteObject(tooLarge);
    ::DeleteObject(fitted);
    ::ReleaseDC(form_.Window(), dc);
}

TEST(Utf16, TextCrossesTheBoundaryOnceEachWay) {
    const std::string typed = "１２．５分 and 𠮷";  // full-width digits, a surrogate pair
    EXPECT_EQ(Utf16(typed), L"１２．５分 and 𠮷");
    EXPECT_EQ(Utf8(Utf16(typed)), typed);
    EXPECT_EQ(Utf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xEF\xBF\xBD");  // lone half
    EXPECT_EQ(Utf16(""), L"");
}

}  // namespace
}  // namespace tolvane
