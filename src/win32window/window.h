#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "form/form_layout.h"
#include "form/form_logic.h"
#include "form/form_view.h"

namespace tolvane {

// The single window of the calculator, drawn by Win32's own controls: the shared form logic
// mapped onto a top-level window, a group box per frame, auto radio buttons grouped per frame,
// edit boxes, push buttons with access keys and static labels. Its controls keep the names of
// their control arrays; its handlers are the form logic's.
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

    // The controls, by control array.
    std::array<HWND, 6> Frame1{};
    std::array<HWND, 3> Option1{};  // plans
    std::array<HWND, 2> Option2{};  // destination kinds
    std::array<HWND, 4> Option3{};  // time bands
    std::array<HWND, 6> Option4{};  // distance bands
    HWND Text1 = nullptr;           // minutes
    HWND Text2 = nullptr;           // yen
    std::array<HWND, 2> Command1{};
    std::array<HWND, 2> Label1{};

  private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    HWND& Control(ControlRef control);
    void CreateControls(HINSTANCE instance);
    // Sizes the window so that its client area is the layout's at `dpi`, at `suggested`'s
    // corner if given.
    void SizeClientArea(UINT dpi, const RECT* suggested);
    void LayOut(UINT dpi);
    void FitFonts(UINT dpi);
    void OnCommand(int id, int notification);
    void MakeCheckedOptionTheTabStop(ControlArray array);

    // What the form logic asks of the window.
    bool Option2Checked(std::size_t index) const override;
    std::string Text(TextBox box) const override;
    void SetText(TextBox box, std::string_view text) override;
    void ShowMessage(std::string_view prompt, MessageStyle style) override;
    void ShowForm() override;

    HWND window_ = nullptr;
    HWND focusBeforeDeactivation_ = nullptr;
    std::vector<HFONT> fonts_;
    FormLogic form_;
};

}  // namespace tolvane
