#include "win32window/window.h"

#include <commctrl.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include "form/form_fonts.h"
#include "form/form_keyboard.h"
#include "form/form_pixels.h"
#include "form/form_texts.h"
#include "runtime/utf16.h"
#include "win32window/fonts.h"

namespace tolvane::win32 {
namespace {

// The class the installer looks for to tell that Tolvane is running (data/windows/tolvane.nsi).
constexpr wchar_t kWindowClass[] = L"TolvaneMainF";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// Control identifiers are the tab indices from here on: clear of IDOK and IDCANCEL, which the
// dialog manager sends for Enter and Escape.
constexpr int kFirstControlId = 100;
constexpr int kIconResource = 1;

struct ControlClass {
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle;
};

ControlClass ClassOf(ControlRef control) {
    switch (control.array) {
        case ControlArray::Frame1:
            // A frame also ends the option group before it.
            return {L"BUTTON", BS_GROUPBOX | WS_GROUP, 0};
        case ControlArray::Text1:
        case ControlArray::Text2:
            return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE};
        case ControlArray::Command1: return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0};
        // Its line centred in its height, as the form measures it.
        case ControlArray::Label1: return {L"STATIC", SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE, 0};
        default: break;
    }
    // The first option of a group starts it; the form makes the checked one its Tab stop.
    const DWORD first = control.index == 0 ? WS_GROUP : 0;
    return {L"BUTTON", BS_AUTORADIOBUTTON | first, 0};
}

thread_local const std::wstring* boxCopies = nullptr;  // a hook procedure has no other context

// On Ctrl+C the system's box copies what it shows, a long sentence shortened; the form says what
// is copied. The dialog manager shows the box's input to this thread's message filter before the
// box handles it: a key taken here goes no further, and a copy the box made already is replaced.
// Ctrl+Insert copies too, as in a text box.
LRESULT CALLBACK CopyFilter(int code, WPARAM wParam, LPARAM lParam) {
    const MSG& input = *reinterpret_cast<const MSG*>(lParam);
    if (code != MSGF_DIALOGBOX || input.message != WM_KEYDOWN || ::GetKeyState(VK_CONTROL) >= 0 ||
        (input.wParam != 'C' && input.wParam != VK_INSERT)) {
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    if (::OpenClipboard(::GetAncestor(input.hwnd, GA_ROOT))) {
        const std::size_t bytes = (boxCopies->size() + 1) * sizeof(wchar_t);
        HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
        if (memory != nullptr) {
            std::memcpy(::GlobalLock(memory), boxCopies->c_str(), bytes);
            ::GlobalUnlock(memory);
            ::EmptyClipboard();
            if (::SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
                ::GlobalFree(memory);  // taken by the clipboard only if set
            }
        }
        ::CloseClipboard();
    }
    return 1;
}

ATOM RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
    windowClass.hIconSm = static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                     ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    return ::RegisterClassExW(&windowClass);
}

}  // namespace

MainF::MainF(HINSTANCE instance, std::string programDir) : form_(*this, std::move(programDir)) {
    static const ATOM registered = RegisterWindowClass(instance, &MainF::WindowProcedure);
    (void)registered;
    const std::wstring title = Utf16(kApplicationTitle);
    window_ = ::CreateWindowExW(0, kWindowClass, title.c_str(), kWindowStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                instance, this);
    CreateControls(instance);
    LayOut(::GetDpiForWindow(window_), nullptr);
}

MainF::~MainF() {
    if (window_ != nullptr) {
        ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        ::DestroyWindow(window_);
    }
}

HWND MainF::Control(ControlRef control) const {
    return controls_.at(static_cast<std::size_t>(PlacementOf(control).tabIndex));
}

void MainF::CreateControls(HINSTANCE instance) {
    for (const ControlRef control : CreationOrder()) {
        const TwipPlacement& place = PlacementOf(control);
        const ControlClass kind = ClassOf(control);
        HWND handle = controls_.at(static_cast<std::size_t>(place.tabIndex)) = ::CreateWindowExW(
            kind.extendedStyle, kind.className, Utf16(place.caption).c_str(),
            WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + place.tabIndex)),
            instance, nullptr);
        if (CheckedAtStart(control)) {
            ::SendMessageW(handle, BM_SETCHECK, BST_CHECKED, 0);
        } else if (control.array == ControlArray::Text1 || control.array == ControlArray::Text2) {
            // Any length of text, not an edit control's usual 30,000 characters.
            ::SendMessageW(handle, EM_SETLIMITTEXT, 0, 0);
        }
    }
    MakeCheckedOptionsTheTabStops();
}

void MainF::LayOut(UINT dpi, const RECT* suggested) {
    const int width = ClientWidthPixels(static_cast<int>(dpi));
    const int height = ClientHeightPixels(static_cast<int>(dpi));
    RECT frame = {0, 0, width, height};
    ::AdjustWindowRectExForDpi(&frame, kWindowStyle, FALSE, 0, dpi);
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (suggested == nullptr ? SWP_NOMOVE : 0);
    const POINT corner = suggested == nullptr ? POINT{} : POINT{suggested->left, suggested->top};
    ::SetWindowPos(window_, nullptr, corner.x, corner.y, frame.right - frame.left,
                   frame.bottom - frame.top, flags);
    // Where the frame the system draws differs from the one computed for this DPI (a caption
    // drawn at another scale), correct by what the client area really came to.
    RECT actual{};
    ::GetClientRect(window_, &actual);
    if (actual.right != width || actual.bottom != height) {
        RECT outer{};
        ::GetWindowRect(window_, &outer);
        ::SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left + width - actual.right,
                       outer.bottom - outer.top + height - actual.bottom,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (const ControlRef control : ControlsInTabOrder()) {
        const PixelRect place = PixelPlacement(control, static_cast<int>(dpi), PixelOrigin::Window);
        ::SetWindowPos(Control(control), nullptr, place.left, place.top, place.width, place.height,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    FitFonts(dpi);
}

void MainF::FitFonts(UINT dpi) {
    HDC dc = ::GetDC(window_);
    LOGFONTW windowFont{};
    windowFont.lfWeight = FW_NORMAL;
    windowFont.lfCharSet = SHIFTJIS_CHARSET;
    // The unit labels' family is the first looked for: theirs wherever it is installed, and its
    // best stand-in elsewhere.
    ::lstrcpynW(windowFont.lfFaceName, JapaneseFamily(dc).c_str(), LF_FACESIZE);
    LOGFONTW unitFont = windowFont;
    unitFont.lfWeight = kUnitLabelFont.weight;
    unitFont.lfCharSet = static_cast<BYTE>(kUnitLabelFont.characterSet);
    auto fonts = std::make_unique<CaptionFonts>(windowFont);
    auto unitFonts = std::make_unique<CaptionFonts>(unitFont);
    const auto give = [](HFONT font, HWND control) {
        ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    };
    // Whole pixels, a centred line's offset halved in whole numbers; the system's own circles
    // and 3-D edges.
    const CaptionSurface surface{static_cast<int>(dpi),
                                 1,
                                 BaselineSnap::LineTopCut,
                                 ::GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi),
                                 static_cast<double>(::GetSystemMetricsForDpi(SM_CYEDGE, dpi)),
                                 true};
    for (const FontGroup& group : FontGroups()) {
        CaptionFonts& family = group.unitLabels ? *unitFonts : *fonts;
        const auto at = [&](const CaptionFont& font) {
            return family.At(dc, FontPixels(font.points, static_cast<int>(dpi)), font.stretch);
        };
        const CaptionFont fitted =
            FittedFont(group, surface, [&](ControlRef member, const CaptionFont& font) {
                return MeasureCaption(dc, at(font), member);
            });
        for (const ControlRef member : group.members) {
            give(at(fitted), Control(member));
        }
    }
    // The text boxes show whatever is typed; they take the window's font as it is.
    HFONT boxFont = fonts->At(dc, FontPixels(kWindowFontPoints, static_cast<int>(dpi)), 100);
    give(boxFont, Control(ControlOf(TextBox::Text1)));
    give(boxFont, Control(ControlOf(TextBox::Text2)));
    ::ReleaseDC(window_, dc);
    // The previous resolution's fonts go once no control has them.
    fonts_ = {std::move(fonts), std::move(unitFonts)};
}

LRESULT CALLBACK MainF::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainF*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainF*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

LRESULT MainF::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
        case WM_ACTIVATE:
            // As a dialog does: the control that had the focus gets it back, after a message
            // box as after another window.
            if (LOWORD(wParam) == WA_INACTIVE) {
                focusBeforeDeactivation_ = ::GetFocus();
            } else if (focusBeforeDeactivation_ != nullptr &&
                       ::IsChild(window_, focusBeforeDeactivation_)) {
                ::SetFocus(focusBeforeDeactivation_);
                return 0;
            }
            break;
        case WM_DPICHANGED:
            // The window moved to a monitor of another scale: the same twips, in its pixels.
            LayOut(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY: ::PostQuitMessage(0); return 0;
        default: break;
    }
    return ::DefWindowProcW(window_, message, wParam, lParam);
}

void MainF::OnCommand(int id, int notification) {
    const std::optional<ControlRef> control = ControlAtTabIndex(id - kFirstControlId);
    if (!control || notification != BN_CLICKED) {
        return;  // Enter and Escape (IDOK, IDCANCEL) press nothing
    }
    if (IsOption(control->array)) {
        if (!Checked(*control)) {
            return;
        }
        MakeCheckedOptionsTheTabStops();
    }
    form_.Click(*control);
}

// Wine's radio buttons move WS_TABSTOP to themselves when checked; Windows documents no such
// thing, so the stops are set here, whoever set them already.
void MainF::MakeCheckedOptionsTheTabStops() {
    SetOptionTabStops([this](ControlRef option) { return Checked(option); },
                      [this](ControlRef option, bool tabStop) {
                          const LONG_PTR style = ::GetWindowLongPtrW(Control(option), GWL_STYLE);
                          ::SetWindowLongPtrW(
                              Control(option), GWL_STYLE,
                              tabStop ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP});
                      });
}

bool MainF::Checked(ControlRef option) const {
    return ::SendMessageW(Control(option), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string MainF::Text(TextBox box) const {
    HWND edit = Control(ControlOf(box));
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return Utf8(text);
}

void MainF::SetText(TextBox box, std::string_view text) {
    ::SetWindowTextW(Control(ControlOf(box)), Utf16(text).c_str());
}

void MainF::ShowMessage(const Message& message) {
    // The system's own box, as users know it; its Ctrl+C copies the form's `copied`, not what
    // it shows.
    HWND owner = message.ownedByWindow ? window_ : nullptr;
    const std::wstring copied = Utf16(message.copied);
    boxCopies = &copied;
    // Only while the box is up, however this returns: the window's own message loop asks the
    // same filter, and its text boxes copy their own selection.
    const std::unique_ptr<std::remove_pointer_t<HHOOK>, decltype(&::UnhookWindowsHookEx)> filter(
        ::SetWindowsHookExW(WH_MSGFILTER, CopyFilter, nullptr, ::GetCurrentThreadId()),
        &::UnhookWindowsHookEx);
    const UINT icon = message.style == MessageStyle::Critical ? MB_ICONERROR : MB_ICONINFORMATION;
    ::MessageBoxW(owner, Utf16(message.shown).c_str(), Utf16(kApplicationTitle).c_str(),
                  MB_OK | icon | (owner != nullptr ? 0 : MB_SETFOREGROUND));
}

void MainF::ShowForm() {
    ::ShowWindow(window_, SW_SHOWNORMAL);
    ::SetFocus(Control(kFirstFocus));
    ::UpdateWindow(window_);
}

}  // namespace tolvane::win32
