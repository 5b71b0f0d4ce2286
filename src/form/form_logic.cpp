#include "form/form_logic.h"

#include <utility>

#include "form/displayable_prompt.h"
#include "form/form_texts.h"
#include "runtime/error_trap.h"
#include "runtime/int_to_text.h"
#include "startup/start_up.h"
#include "tariff/conversion.h"

namespace tolvane {

FormLogic::FormLogic(FormView& view, std::string programDir)
    : view_(view),
      programDir_(std::move(programDir)),
      showMessage_([this](std::string_view prompt, MessageStyle style) { Show(prompt, style); }) {}

void FormLogic::Start() {
    Form_Load();
    view_.ShowForm();
    shown_ = true;
}

void FormLogic::Show(std::string_view prompt, MessageStyle style) {
    view_.ShowMessage({DisplayablePrompt(prompt), std::string(prompt), style, shown_});
}

void FormLogic::Click(ControlRef control) {
    const auto index = static_cast<std::int16_t>(control.index);
    switch (control.array) {
        case ControlArray::Option1: Option1_Click(index); break;
        case ControlArray::Option3: Option3_Click(index); break;
        case ControlArray::Option4: Option4_Click(index); break;
        case ControlArray::Command1: Command1_Click(index); break;
        default: break;
    }
}

void FormLogic::Form_Load() {
    PrepareAtStartUp(state_, showMessage_, programDir_);
}

void FormLogic::Option1_Click(std::int16_t index) {
    state_.SelectPlan(index);
}

void FormLogic::Option3_Click(std::int16_t index) {
    state_.SelectTimeBand(index);
}

void FormLogic::Option4_Click(std::int16_t index) {
    state_.SelectDistanceBand(index);
}

void FormLogic::Command1_Click(std::int16_t index) {
    if (converting_) {
        return;
    }
    converting_ = true;
    const struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{converting_};
    ErrorTrap(
        [this, index] {
            state_.LastResult = 0;
            const bool toCharge = index == 0;
            const auto direction =
                toCharge ? ConversionDirection::TimeToCharge : ConversionDirection::ChargeToTime;
            const TextBox input = toCharge ? TextBox::Text1 : TextBox::Text2;
            const TextBox output = toCharge ? TextBox::Text2 : TextBox::Text1;
            const auto destination = view_.Checked({ControlArray::Option2, 0})
                                         ? DestinationKind::HOrGeneral
                                         : DestinationKind::Mobile;

            const Conversion conversion =
                Convert(direction, view_.Text(input), destination, state_);
            state_.LastResult = conversion.result;
            Show(conversion.sentence, MessageStyle::Information);
            // Only once the announcement has been dismissed does the answer appear.
            view_.SetText(output, IntToText(state_.LastResult));
        },
        showMessage_, kConversionFailedMessage);
}

}  // namespace tolvane
