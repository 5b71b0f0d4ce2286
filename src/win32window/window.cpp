#include "win32window/main_window.h"

#include <commctrl.h>

#include <utility>

#include "form/displayable_prompt.h"
#include "form/form_texts.h"
#include "runtime/utf16.h"
#include "win32window/caption_font.h"

namespace tolvane {
namespace {

constexpr wchar_t kWindowClass[] = L"TolvaneMainF";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// Control identifiers are the tab indices from here on: clear of IDOK and IDCANCEL, which the
// dialog manager sends for Enter and Escape.
constexpr int kFirstControlId = 100;
constexpr int kIconResource = 1;

int ToPixels(int twips, UINT dpi) {
    return ::MulDiv(twips, static_cast<int>(dpi), kTwipsPerInch);
}

bool IsOption(ControlArray array) {
    return array == ControlArray::Option1 || array == ControlArray::Option2 ||
           array == ControlArray::Option3 || array == ControlArray::Option4;
}

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
        case ControlArray::Label1: return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
        default: break;
    }
    // The first option of a group starts it and is its Tab stop until another is checked.
    const DWORD first = control.index == 0 ? WS_GROUP | WS_TABSTOP : 0;
    return {L"BUTTON", BS_AUTORADIOBUTTON | first, 0};
}

// Every control in the order the dialog manager should meet them: ascending tab index for
// those that take the focus, each frame just before what it holds, so that it also closes the
// option group before it, and each unit label after its panel's controls.
std::vector<ControlRef> CreationOrder() {
    std::vector<ControlRef> order;
    std::array<bool, 6> frameMade{};
    for (const ControlRef control : ControlsInTabOrder()) {
        if (!TakesFocus(control.array)) {
            continue;
        }
        const std::size_t frame = FrameOf(control);
        if (!frameMade.at(frame)) {
            order.push_back({ControlArray::Frame1, frame});
            frameMade.at(frame) = true;
        }
        order.push_back(control);
        if (control.array == ControlArray::Command1) {
            order.push_back({ControlArray::Label1, control.index});
        }
    }
    return order;
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
    const UINT dpi = ::GetDpiForWindow(window_);
    SizeClientArea(dpi, nullptr);
    LayOut(dpi);
}

void MainF::SizeClientArea(UINT dpi, const RECT* suggested) {
    RECT frame = {0, 0, ToPixels(kClientWidthTwips, dpi), ToPixels(kClientHeightTwips, dpi)};
    const SIZE client = {frame.right, frame.bottom};
    ::AdjustWindowRectExForDpi(&frame, kWindowStyle, FALSE, 0, dpi);
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (suggested == nullptr ? SWP_NOMOVE : 0);
    const POINT corner = suggested == nullptr ? POINT{} : POINT{suggested->left, suggested->top};
    ::SetWindowPos(window_, nullptr, corner.x, corner.y, frame.right - frame.left,
                   frame.bottom - frame.top, flags);
    // Where the frame the system draws differs from the one computed for this DPI (a caption
    // drawn at another scale), correct by what the client area really came to.
    RECT actual{};
    ::GetClientRect(window_, &actual);
    if (actual.right != client.cx || actual.bottom != client.cy) {
        RECT outer{};
        ::GetWindowRect(window_, &outer);
        ::SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left + client.cx - actual.right,
                       outer.bottom - outer.top + client.cy - actual.bottom,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

MainF::~MainF() {
    if (window_ != nullptr) {
        ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        ::DestroyWindow(window_);
    }
    for (HFONT font : fonts_) {
        ::DeleteObject(font);
    }
}

HWND& MainF::Control(ControlRef control) {
    return ControlIn<HWND&>(*this, control);
}

void MainF::CreateControls(HINSTANCE instance) {
    for (const ControlRef control : CreationOrder()) {
        const TwipPlacement& place = PlacementOf(control);
        const ControlClass kind = ClassOf(control);
        const std::wstring caption = Utf16(place.caption);
        HWND& handle = Control(control);
        handle = ::CreateWindowExW(
            kind.extendedStyle, kind.className, caption.c_str(), WS_CHILD | WS_VISIBLE | kind.style,
            0, 0, 0, 0, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + place.tabIndex)),
            instance, nullptr);
    }
    for (HWND option : {Option1[0], Option2[0], Option3[0], Option4[0]}) {
        ::SendMessageW(option, BM_SETCHECK, BST_CHECKED, 0);
    }
    // The boxes take text of any length (an edit control's own limit is 30,000 characters).
    for (HWND box : {Text1, Text2}) {
        ::SendMessageW(box, EM_SETLIMITTEXT, 0, 0);
    }
}

void MainF::LayOut(UINT dpi) {
    for (const ControlRef control : ControlsInTabOrder()) {
        const TwipPlacement& place = PlacementOf(control);
        int left = place.left;
        int top = place.top;
        if (const std::size_t frame = FrameOf(control); frame != kNoFrame) {
            // Native controls are all the window's children; a frame only surrounds its own.
            left += kWindowLayout.frames.at(frame).left;
            top += kWindowLayout.frames.at(frame).top;
        }
        ::SetWindowPos(Control(control), nullptr, ToPixels(left, dpi), ToPixels(top, dpi),
                       ToPixels(place.width, dpi), ToPixels(place.height, dpi),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    FitFonts(dpi);
}

void MainF::FitFonts(UINT dpi) {
    std::vector<HFONT> previous = std::exchange(fonts_, {});
    HDC dc = ::GetDC(window_);
    // Every caption in UTF-16, by tab index, converted once for the family and the fitting.
    std::vector<std::wstring> captions;
    for (const ControlRef control : ControlsInTabOrder()) {
        captions.push_back(Utf16(PlacementOf(control).caption));
    }
    LOGFONTW windowFont{};
    windowFont.lfHeight = -::MulDiv(9, static_cast<int>(dpi), 72);
    windowFont.lfWeight = FW_NORMAL;
    windowFont.lfCharSet = SHIFTJIS_CHARSET;
    ::lstrcpynW(windowFont.lfFaceName, JapaneseFamily(dc, captions).c_str(), LF_FACESIZE);
    // The unit labels ask for their own size, in the family they ask for by name: the first
    // the window looks for, so the window's family is it wherever it is installed, and its best
    // stand-in elsewhere.
    LOGFONTW unitFont = windowFont;
    unitFont.lfHeight = -static_cast<LONG>(kUnitLabelFont.points * dpi / 72.0 + 0.5);
    unitFont.lfWeight = kUnitLabelFont.weight;
    unitFont.lfCharSet = static_cast<BYTE>(kUnitLabelFont.characterSet);

    // Each group of controls that stand together shares one font, fitted to all of them.
    const auto fit = [&](std::vector<ControlRef> group, const LOGFONTW& request) {
        std::vector<CaptionedControl> controls;
        for (const ControlRef control : group) {
            const CaptionKind kind = control.array == ControlArray::Frame1     ? CaptionKind::Frame
                                     : control.array == ControlArray::Command1 ? CaptionKind::Button
                                     : control.array == ControlArray::Label1   ? CaptionKind::Label
                                                                             : CaptionKind::Option;
            controls.push_back(
                {Control(control),
                 captions.at(static_cast<std::size_t>(PlacementOf(control).tabIndex)), kind});
        }
        HFONT font = FitCaptionFont(dc, request, controls, dpi);
        fonts_.push_back(font);
        for (const ControlRef control : group) {
            ::SendMessageW(Control(control), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        }
    };
    const auto members = [](ControlArray array) {
        std::vector<ControlRef> group;
        for (std::size_t index = 0; index < MembersOf(array); ++index) {
            group.push_back({array, index});
        }
        return group;
    };
    for (std::size_t frame = 0; frame < Frame1.size(); ++frame) {
        fit({{ControlArray::Frame1, frame}}, windowFont);
    }
    fit(members(ControlArray::Option1), windowFont);
    fit(members(ControlArray::Option2), windowFont);
    fit(members(ControlArray::Option3), windowFont);
    fit(members(ControlArray::Option4), windowFont);
    fit(members(ControlArray::Command1), windowFont);
    fit(members(ControlArray::Label1), unitFont);
    // The text boxes show whatever is typed; they take the window's font as it is.
    HFONT boxFont = ::CreateFontIndirectW(&windowFont);
    fonts_.push_back(boxFont);
    for (HWND box : {Text1, Text2}) {
        ::SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(boxFont), TRUE);
    }
    ::ReleaseDC(window_, dc);
    for (HFONT font : previous) {
        ::DeleteObject(font);
    }
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
    return self->Handle(message, wParam, lParam);
}

LRESULT MainF::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
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
        case WM_DPICHANGED: {
            // The window moved to a monitor of another scale: the same twips, in its pixels.
            const UINT dpi = HIWORD(wParam);
            SizeClientArea(dpi, reinterpret_cast<const RECT*>(lParam));
            LayOut(dpi);
            return 0;
        }
        case WM_DESTROY: ::PostQuitMessage(0); return 0;
        default: break;
    }
    return ::DefWindowProcW(window_, message, wParam, lParam);
}

void MainF::OnCommand(int id, int notification) {
    const int tabIndex = id - kFirstControlId;
    if (tabIndex < 0 || tabIndex >= static_cast<int>(kControlCount) || notification != BN_CLICKED) {
        return;  // Enter and Escape (IDOK, IDCANCEL) press nothing
    }
    const ControlRef control = ControlsInTabOrder()[static_cast<std::size_t>(tabIndex)];
    const auto index = static_cast<std::int16_t>(control.index);
    if (control.array == ControlArray::Command1) {
        form_.Command1_Click(index);
        return;
    }
    if (!IsOption(control.array) ||
        ::SendMessageW(Control(control), BM_GETCHECK, 0, 0) != BST_CHECKED) {
        return;
    }
    MakeCheckedOptionTheTabStop(control.array);
    switch (control.array) {
        case ControlArray::Option1: form_.Option1_Click(index); break;
        case ControlArray::Option3: form_.Option3_Click(index); break;
        case ControlArray::Option4: form_.Option4_Click(index); break;
        default: break;  // the destination is read when a conversion starts
    }
}

void MainF::MakeCheckedOptionTheTabStop(ControlArray array) {
    // Tab enters a group at its checked option, as in the system's own dialogs.
    for (std::size_t index = 0; index < MembersOf(array); ++index) {
        HWND option = Control({array, index});
        const bool checked = ::SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
        const LONG_PTR style = ::GetWindowLongPtrW(option, GWL_STYLE);
        ::SetWindowLongPtrW(option, GWL_STYLE,
                            checked ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP});
    }
}

bool MainF::Option2Checked(std::size_t index) const {
    return ::SendMessageW(Option2.at(index), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string MainF::Text(TextBox box) const {
    HWND edit = box == TextBox::Text1 ? Text1 : Text2;
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return Utf8(text);
}

void MainF::SetText(TextBox box, std::string_view text) {
    ::SetWindowTextW(box == TextBox::Text1 ? Text1 : Text2, Utf16(text).c_str());
}

void MainF::ShowMessage(std::string_view prompt, MessageStyle style) {
    // Before the window is shown (the table message at start-up) the box stands on its own;
    // afterwards the window owns it and takes no input until it is dismissed.
    HWND owner = ::IsWindowVisible(window_) ? window_ : nullptr;
    const UINT icon = style == MessageStyle::Critical ? MB_ICONERROR : MB_ICONINFORMATION;
    ::MessageBoxW(owner, Utf16(DisplayablePrompt(prompt)).c_str(), Utf16(kApplicationTitle).c_str(),
                  MB_OK | icon | (owner ? 0 : MB_SETFOREGROUND));
}

void MainF::ShowForm() {
    ::ShowWindow(window_, SW_SHOWNORMAL);
    ::SetFocus(Option1[0]);
    ::UpdateWindow(window_);
}

}  // namespace tolvane
