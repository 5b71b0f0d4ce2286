#pragma once

#include <array>
#include <memory>
#include <string>

#include <QWidget>

#include "form/form_layout.h"
#include "form/form_logic.h"
#include "form/form_view.h"

class QLineEdit;

namespace tolvane::qt {

class CopyableMessageBox;

// The calculator's window drawn by Qt Widgets: the form's controls as Qt's widgets, each nested
// in its frame, their events delivered to the form, the form's view on them.
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
    QLineEdit* Box(TextBox box) const;

  private:
    void CreateControl(ControlRef control, QWidget* parent);
    void FitFonts();
    void MakeCheckedOptionsTheTabStops();

    bool Checked(ControlRef option) const override;
    std::string Text(TextBox box) const override;
    void SetText(TextBox box, std::string_view text) override;
    void ShowMessage(const Message& message) override;
    void ShowForm() override;

    std::array<QWidget*, kControlCount> controls_{};  // by tab index
    // Made when the first message comes (see CopyableMessageBox), and gone before the window
    // deletes its children, the box among them.
    std::unique_ptr<CopyableMessageBox> box_;
    FormLogic form_;
};

}  // namespace tolvane::qt
