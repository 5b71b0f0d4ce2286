#pragma once

#include <array>
#include <cstdint>
#include <string>

#include <QWidget>

#include "runtime/message.h"
#include "tariff/tariff_state.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tolvane {

// The single window of the calculator. It owns the one tariff state; its controls keep the
// names of their control arrays, each member told apart by its index.
class MainF : public QWidget {
    Q_OBJECT

  public:
    // Messages go through showMessage (message boxes by default); the rate table is read
    // from programDir (the running program's directory by default).
    explicit MainF(ShowMessage showMessage = {}, std::string programDir = {},
                   QWidget* parent = nullptr);

    // Prepares the tariff state before the window is first shown.
    void Form_Load();

    void Option1_Click(std::int16_t index);
    void Option3_Click(std::int16_t index);
    void Option4_Click(std::int16_t index);
    void Command1_Click(std::int16_t index);

    const TariffState& State() const { return state_; }

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

    TariffState state_;
    ShowMessage showMessage_;
    std::string programDir_;
    std::array<QButtonGroup*, 4> optionGroups_{};
};

}  // namespace tolvane
