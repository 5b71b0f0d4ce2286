#include "form/form_logic.h"

#include <utility>

#include "form/form_texts.h"
#include "runtime/error_trap.h"
#include "runtime/int_to_text.h"
#include "startup/start_up.h"
#include "tariff/conversion.h"

namespace tolvane {

FormLogic::FormLogic(FormView& view, std::string programDir)
    : view_(view),
      programDir_(std::move(programDir)),
      showMessage_([&view](std::string_view prompt, MessageStyle style) {
          view.ShowMessage(prompt, style);
      }) {}

void FormLogic::Start() {
    Form_Load();
    view_.ShowForm();
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
            const auto destination =
                view_.Option2Checked(0) ? DestinationKind::HOrGeneral : DestinationKind::Mobile;

            const Conversion conversion =
                Convert(direction, view_.Text(input), destination, state_);
            state_.LastResult = conversion.result;
            view_.ShowMessage(conversion.sentence, MessageStyle::Information);
            // Only once the announcement has been dismissed does the answer appear.
            view_.SetText(output, IntToText(state_.LastResult));
        },
        showMessage_, kConversionFailedMessage);
}

}  // namespace tolvane
