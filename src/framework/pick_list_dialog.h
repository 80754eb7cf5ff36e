#pragma once
// The "Parametros comerciais" dialogs TDialogMenu1 to TDialogMenu3: three
// label and drop-down rows and "OK". Each drop-down writes its value into the
// calculator that opened the dialog as soon as its selection changes; "OK"
// writes every row the caller takes, in row order, and closes. What is
// listed and written is the data of pick_lists.h.
#include <QDialog>
#include <QPointer>
#include <array>

#include "framework/pick_lists.h"

class QComboBox;
class QLabel;

namespace ondarel {

class CalculatorWindow;

class PickListDialog : public QDialog {
    Q_OBJECT
public:
    explicit PickListDialog(const PickDialogSpec& spec, QWidget* parent = nullptr);

    // Writes from now on into `window`, whatever the window code becomes,
    // and reduces the form the way that caller does.
    void serve(const PickCaller& caller, CalculatorWindow* window);

    QLabel* label(int row) const { return labels_[static_cast<std::size_t>(row)]; }
    QComboBox* combo(int row) const { return combos_[static_cast<std::size_t>(row)]; }

    void OKClick();

private:
    void write(int row);  // the row's handler

    std::array<QLabel*, 3> labels_{};
    std::array<QComboBox*, 3> combos_{};
    const PickCaller* caller_ = nullptr;
    QPointer<CalculatorWindow> window_;
};

// The "..." button of a calculator: writes the caller's code and opens its
// dialog as its row of the callers' table says. Nothing for a window that
// opens no dialog.
void openPickList(CalculatorWindow* caller);

}  // namespace ondarel
