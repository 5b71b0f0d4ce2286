#pragma once

#include <array>
#include <functional>
#include <span>
#include <string>

#include <QWidget>

#include "form/form_layout.h"
#include "form/form_logic.h"
#include "form/form_view.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tolvane {

// The calculator's window drawn by Qt Widgets: the form's controls as Qt's widgets, each nested
// in its frame, their events delivered to the form, the form's view on them. Its controls keep
// the names of their control arrays, each member told apart by its index.
class MainF : public QWidget, private FormView {
    Q_OBJECT

  public:
    // The rate table is read from programDir (the running program's directory by default).
    explicit MainF(std::string programDir = {}, QWidget* parent = nullptr);
    ~MainF() override;

    // Loads the form (its table message first, if any), then shows the window.
    void Start() { form_.Start(); }
    const TariffState& State() const { return form_.State(); }

    // The control a layout entry names.
    QWidget* Control(ControlRef control) const;

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
    void CreateControls();
    QWidget* CreateControl(ControlRef control, QWidget* parent);
    void FitFonts();
    void ConnectEvents();
    void MakeCheckedOptionsTheTabStops();

    bool Checked(ControlRef option) const override;
    std::string Text(TextBox box) const override;
    void SetText(TextBox box, std::string_view text) override;
    void ShowMessage(const Message& message) override;
    void ShowForm() override;

    std::function<void(const Message&)> showMessage_;
    FormLogic form_;
};

}  // namespace tolvane
