#pragma once

#include <cstdint>
#include <string>

#include "form/form_view.h"
#include "runtime/message.h"
#include "tariff/tariff_state.h"

namespace tolvane {

// The calculator window's behaviour, apart from any window system: it owns the one tariff
// state, and each face forwards its controls' events to these handlers, which decide what
// happens and act through the view. A face adds drawing and nothing else.
class FormLogic {
  public:
    // The rate table is read from programDir when the form loads.
    FormLogic(FormView& view, std::string programDir);

    // Start-up: loads the form, then shows the window, so that a message about the rate table
    // appears before the window does.
    void Start();

    // Prepares the tariff state: the program directory, the rate table, the first selections.
    void Form_Load();

    // Raised whenever an option of a group becomes checked, with its index. The destination
    // group has no handler: it is read when a conversion starts.
    void Option1_Click(std::int16_t index);
    void Option3_Click(std::int16_t index);
    void Option4_Click(std::int16_t index);
    // Index 0 turns the minutes in Text1 into yen in Text2, any other index the yen in Text2
    // into minutes in Text1. A click that arrives while a conversion's message is still up (a
    // window system may deliver one from inside the modal box's event loop: a second access
    // key's delayed click, an assistive technology's press) is ignored, so that the first
    // conversion writes its own answer.
    void Command1_Click(std::int16_t index);

    const TariffState& State() const { return state_; }

  private:
    FormView& view_;
    std::string programDir_;
    ShowMessage showMessage_;
    TariffState state_;
    bool converting_ = false;
};

}  // namespace tolvane
