#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "form/form_layout.h"
#include "form/form_logic.h"
#include "form/form_view.h"
#include "win32window/fonts.h"

namespace tolvane::win32 {

// The calculator's window drawn by Win32's own controls: the form's controls as the window's
// children (a group box per frame, auto radio buttons grouped per frame, edit boxes, push
// buttons with access keys, static labels), their notifications delivered to the form, the
// form's view on them.
class MainF final : private FormView {
  public:
    MainF(HINSTANCE instance, std::string programDir);
    MainF(const MainF&) = delete;
    MainF& operator=(const MainF&) = delete;
    ~MainF() override;

    // Loads the form (its table message first, if any), then shows the window.
    void Start() { form_.Start(); }
    HWND Window() const { return window_; }
    const TariffState& State() const { return form_.State(); }
    // The control a layout entry names.
    HWND Control(ControlRef control) const;

  private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateControls(HINSTANCE instance);
    // Sizes the window so that its client area is the layout's at `dpi`, at `suggested`'s
    // corner if given; places the controls and fits their fonts.
    void LayOut(UINT dpi, const RECT* suggested);
    void FitFonts(UINT dpi);
    void OnCommand(int id, int notification);
    void MakeCheckedOptionsTheTabStops();

    bool Checked(ControlRef option) const override;
    std::string Text(TextBox box) const override;
    void SetText(TextBox box, std::string_view text) override;
    void ShowMessage(const Message& message) override;
    void ShowForm() override;

    HWND window_ = nullptr;
    std::array<HWND, kControlCount> controls_{};  // by tab index
    HWND focusBeforeDeactivation_ = nullptr;
    std::array<std::unique_ptr<CaptionFonts>, 2> fonts_;  // the window's and the unit labels'
    FormLogic form_;
};

}  // namespace tolvane::win32
