#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "form/form_layout.h"
#include "form/form_view.h"
#include "runtime/message.h"
#include "tariff/tariff_state.h"

namespace tolvane {

// The calculator window's behaviour, apart from any window system: it owns the one tariff
// state, decides what each event does, and acts through the view. A face draws the controls
// the layout lists, measures their captions for the fitting, and delivers their events to
// Click; it decides nothing of its own.
class FormLogic {
  public:
    // The rate table is read from programDir when the form loads.
    FormLogic(FormView& view, std::string programDir);
    FormLogic(const FormLogic&) = delete;
    FormLogic& operator=(const FormLogic&) = delete;

    // Start-up: loads the form, then shows the window, so that a message about the rate table
    // appears before the window does.
    void Start();

    // Prepares the tariff state: the program directory, the rate table, the first selections.
    void Form_Load();

    // What a face delivers: an option has become checked (by mouse, keyboard or code), or a
    // button has been pressed. The handler it calls, if any, by the control's array: the
    // destination group has none, as it is read when a conversion starts.
    void Click(ControlRef control);

    // The handlers, each with the index of the control that raised it.
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
    // Presents a prompt: shortened and cleaned for the box, whole for copying, owned by the
    // window once the window is shown.
    void Show(std::string_view prompt, MessageStyle style);

    FormView& view_;
    std::string programDir_;
    ShowMessage showMessage_;
    TariffState state_;
    bool shown_ = false;
    bool converting_ = false;
};

}  // namespace tolvane
