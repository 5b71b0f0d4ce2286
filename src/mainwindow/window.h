#pragma once

#include <array>
#include <cstdint>
#include <string>

#include <QWidget>

#include "form/form_layout.h"
#include "form/form_logic.h"
#include "form/form_view.h"
#include "runtime/message.h"
#include "tariff/tariff_state.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tolvane {

// The single window of the calculator, drawn by Qt: the shared form logic mapped onto Qt's
// controls. Its controls keep the names of their control arrays, each member told apart by its
// index; its handlers are the form logic's.
class MainF : public QWidget, private FormView {
    Q_OBJECT

  public:
    // Messages go through showMessage (message boxes by default); the rate table is read
    // from programDir (the running program's directory by default).
    explicit MainF(tolvane::ShowMessage showMessage = {}, std::string programDir = {},
                   QWidget* parent = nullptr);

    // Loads the form (its table message first, if any), then shows the window.
    void Start() { form_.Start(); }
    // Prepares the tariff state before the window is first shown.
    void Form_Load() { form_.Form_Load(); }

    void Option1_Click(std::int16_t index) { form_.Option1_Click(index); }
    void Option3_Click(std::int16_t index) { form_.Option3_Click(index); }
    void Option4_Click(std::int16_t index) { form_.Option4_Click(index); }
    void Command1_Click(std::int16_t index) { form_.Command1_Click(index); }

    const TariffState& State() const { return form_.State(); }

    // The control a layout entry names.
    QWidget* Control(ControlRef control) const;

    // The controls, by control array.
    std::array<QGroupBox*, 6> Frame1{};
    std::array<QRadioButton*, 3> Option1{};  // plans
    std::array<QRadioButton*, 2> Option2{};  // destination kinds
    std::array<QRadioButton*, 4> Option3{};  // time bands
    std::array<QRadioButton*, 6> Option4{};  // distance bands
    QLineEdit* Text1 = nullptr;              // minutes
    QLineEdit* Text2 = nullptr;              // yen
    std::array<QPushButton*, 2> Command1{};
    std::array<QLabel*, 2> Label1{};

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildControls();
    void FitFonts();
    void SetTabOrder();
    void ConnectEvents();

    // What the form logic asks of the window.
    bool Option2Checked(std::size_t index) const override;
    std::string Text(TextBox box) const override;
    void SetText(TextBox box, std::string_view text) override;
    void ShowMessage(std::string_view prompt, MessageStyle style) override;
    void ShowForm() override;

    tolvane::ShowMessage showMessage_;
    FormLogic form_;
    std::array<QButtonGroup*, 4> optionGroups_{};
};

}  // namespace tolvane
