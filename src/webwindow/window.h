#pragma once

#include <string>

#include "form/form_layout.h"
#include "form/form_logic.h"
#include "form/form_view.h"

namespace tolvane::web {

// The calculator as a page in a browser: the form's controls as the page's own elements (a
// fieldset per frame, a radio group per option group, text boxes, buttons with access keys,
// labels), placed for the desktop from the form's pixels, their fonts fitted by measuring in the
// browser, their events delivered to the form, and the form's messages as modal boxes.
class MainF final : private FormView {
  public:
    explicit MainF(std::string programDir);
    MainF(const MainF&) = delete;
    MainF& operator=(const MainF&) = delete;

    // Loads the form (its table message first, if any), then shows it.
    void Start() { form_.Start(); }
    // An option became checked or a button was pressed: the control by its tab index.
    void Deliver(int tabIndex);

  private:
    void CreateControls();
    void FitFonts();

    bool Checked(ControlRef option) const override;
    std::string Text(TextBox box) const override;
    void SetText(TextBox box, std::string_view text) override;
    void ShowMessage(const Message& message) override;
    void ShowForm() override;

    FormLogic form_;
};

}  // namespace tolvane::web
