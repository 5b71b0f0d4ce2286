// The Win32 face in process, under Wine: how the form maps onto the dialog manager's Tab and
// arrow order, onto the controls' places at several DPIs and onto their fonts, and the options'
// notifications onto the form. Keys, conversions and message boxes are played from outside, with
// real keys, by window_test.sh.
#include "win32window/window.h"

#include <windows.h>

#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "common/temp_dir.h"
#include "form/form_fonts.h"
#include "form/form_keyboard.h"
#include "form/form_pixels.h"
#include "runtime/utf16.h"
#include "win32window/fonts.h"

namespace tolvane::win32 {
namespace {

class Window : public ::testing::Test {
  protected:
    Window() {
        // Any 24 rates, so that no message stops the start (the reader takes commas for rows).
        dir_.Write("table.csv", "9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9\n");
        form_.Start();
    }
    bool Checked(ControlRef option) {
        return ::SendMessageW(form_.Control(option), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    testing::TempDir dir_;
    MainF form_{::GetModuleHandleW(nullptr), testing::Utf8(dir_.path())};
};

// The dialog manager's Tab stops are the form's, each group's at its checked option; its arrow
// keys move through a group as the form's do, round at both ends. A click reaches the form.
TEST_F(Window, TheDialogManagerWalksTheFormsOrder) {
    ::SendMessageW(form_.Control({ControlArray::Option3, 2}), BM_CLICK, 0, 0);
    ::SendMessageW(form_.Control({ControlArray::Option1, 1}), BM_CLICK, 0, 0);
    ::SendMessageW(form_.Control({ControlArray::Option4, 5}), BM_CLICK, 0, 0);
    std::vector<ControlRef> stops;
    for (const ControlRef control : ControlsInTabOrder()) {
        if (IsTabStop(control, Checked(control))) {
            stops.push_back(control);
        }
    }
    HWND at = form_.Control(stops.back());
    for (const ControlRef stop : stops) {
        at = ::GetNextDlgTabItem(form_.Window(), at, FALSE);
        EXPECT_EQ(at, form_.Control(stop)) << PlacementOf(stop).caption;
    }
    for (const ControlRef option : ControlsInTabOrder()) {
        if (IsOption(option.array)) {
            EXPECT_EQ(::GetNextDlgGroupItem(form_.Window(), form_.Control(option), FALSE),
                      form_.Control(ArrowTarget(option, Key::Down)))
                << PlacementOf(option).caption;
            EXPECT_EQ(::GetNextDlgGroupItem(form_.Window(), form_.Control(option), TRUE),
                      form_.Control(ArrowTarget(option, Key::Up)));
        }
    }
    EXPECT_EQ(form_.State().TimeBand * 10 + form_.State().DistanceBand, 25);
    EXPECT_EQ(form_.State().PlanFactor, 1.2f);
    EXPECT_FALSE(Checked({ControlArray::Option1, 0}));
    // The boxes take any text, not an edit control's usual 30,000 characters.
    EXPECT_GE(::SendMessageW(form_.Control({ControlArray::Text2, 0}), EM_GETLIMITTEXT, 0, 0),
              0x7FFFFFFE);
}

// Every control where the form places it at each resolution, in the window's client area of the
// form's size; each of the form's font groups in one font, the text boxes in the window's.
TEST_F(Window, LaidOutAndFittedAsTheFormSaysAtEveryDpi) {
    for (const UINT dpi : {96u, 144u, 192u, 120u}) {
        SCOPED_TRACE(dpi);
        if (dpi != 96) {
            RECT suggested = {0, 0, 800, 800};
            ::SendMessageW(form_.Window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                           reinterpret_cast<LPARAM>(&suggested));
        }
        RECT client{};
        ::GetClientRect(form_.Window(), &client);
        EXPECT_EQ(client.right, ClientWidthPixels(static_cast<int>(dpi)));
        EXPECT_EQ(client.bottom, ClientHeightPixels(static_cast<int>(dpi)));
        for (const ControlRef control : ControlsInTabOrder()) {
            RECT place{};
            ::GetWindowRect(form_.Control(control), &place);
            ::MapWindowPoints(HWND_DESKTOP, form_.Window(), reinterpret_cast<POINT*>(&place), 2);
            EXPECT_EQ((PixelRect{place.left, place.top, place.right - place.left,
                                 place.bottom - place.top}),
                      PixelPlacement(control, static_cast<int>(dpi), PixelOrigin::Window))
                << PlacementOf(control).caption;
        }
        for (const FontGroup& group : FontGroups()) {
            std::set<WPARAM> fonts;
            for (const ControlRef member : group.members) {
                fonts.insert(::SendMessageW(form_.Control(member), WM_GETFONT, 0, 0));
            }
            EXPECT_EQ(fonts.size(), 1u) << PlacementOf(group.members[0]).caption;
        }
        // The text boxes in the window's font as it is: 9 points at this resolution, unnarrowed.
        const auto box = reinterpret_cast<HFONT>(
            ::SendMessageW(form_.Control({ControlArray::Text2, 0}), WM_GETFONT, 0, 0));
        LOGFONTW font{};
        ::GetObjectW(box, sizeof font, &font);
        EXPECT_EQ(font.lfHeight, -FontPixels(kWindowFontPoints, static_cast<int>(dpi)));
        EXPECT_EQ(font.lfWidth, 0);
    }
}

}  // namespace
}  // namespace tolvane::win32
