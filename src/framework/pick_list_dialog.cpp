#include "framework/pick_list_dialog.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "framework/calculator_window.h"
#include "framework/window_registry.h"

namespace ondarel {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// Rows stand 50 pixels apart; the first row's place is where a reduced form
// moves its one row.
constexpr int kRowX = 34;
constexpr int kLabelY = 33;
constexpr int kComboY = 55;
constexpr int kRowStep = 50;
constexpr int kComboWidth = 262;

}  // namespace

PickListDialog::PickListDialog(const PickDialogSpec& spec, QWidget* parent) : QDialog(parent)
{
    setObjectName(q(spec.windowClass));
    setWindowTitle("Parametros comerciais");
    setFixedSize(338, 244);
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(8, 8, 322, 190);
    for (std::size_t row = 0; row < 3; ++row) {
        const PickRow& r = spec.rows[row];
        const int offset = kRowStep * static_cast<int>(row);
        labels_[row] = new QLabel(q(r.labelText), this);
        labels_[row]->setObjectName(q(r.labelName));
        labels_[row]->setGeometry(kRowX, kLabelY + offset, kComboWidth, 18);
        combos_[row] = new QComboBox(this);
        combos_[row]->setObjectName(q(r.comboName));
        combos_[row]->setGeometry(kRowX, kComboY + offset, kComboWidth, 24);
        for (const PickItem& item : pickItems(r.list)) combos_[row]->addItem(q(item.text));
        // Set before the handlers are connected: creating the dialog writes nothing.
        combos_[row]->setCurrentIndex(0);
        const int index = static_cast<int>(row);
        connect(combos_[row], &QComboBox::currentIndexChanged, this, [this, index] { write(index); });
    }
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKBtn");
    ok->setDefault(true);
    ok->setGeometry(255, 208, 75, 26);
    connect(ok, &QPushButton::clicked, this, &PickListDialog::OKClick);
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

void PickListDialog::serve(const PickCaller& caller, CalculatorWindow* window)
{
    caller_ = &caller;
    window_ = window;
    for (std::size_t row = 0; row < 3; ++row) {
        const bool shown = caller.rowShown[row];
        labels_[row]->setVisible(shown);
        combos_[row]->setVisible(shown);
        if (!shown && caller.hiddenCombosDisabled) combos_[row]->setEnabled(false);
    }
    if (caller.rowMovedToTop >= 0) {
        const auto row = static_cast<std::size_t>(caller.rowMovedToTop);
        labels_[row]->move(kRowX, kLabelY);
        combos_[row]->move(kRowX, kComboY);
    }
    if (caller.heightLabel) labels_[1]->setText(q(*caller.heightLabel));
}

// Replaces the whole text of each target field; the field's own check runs
// on the change. A caller closed meanwhile receives nothing.
void PickListDialog::write(int row)
{
    if (!caller_ || !window_) return;
    for (const auto& [name, text] : pickWrites(*caller_, row, combo(row)->currentIndex()))
        if (QLineEdit* field = window_->field(q(name))) field->setText(q(text));
}

void PickListDialog::OKClick()
{
    for (int row = 0; row < 3; ++row) write(row);
    accept();
}

void openPickList(CalculatorWindow* caller)
{
    const PickCaller* row = pickCallerFor(caller->descriptor().windowClass);
    if (!row) return;
    WindowRegistry& registry = WindowRegistry::instance();
    const QString dialogClass = q(row->dialogClass);
    registry.setWindowCode(row->code);
    QPointer<CalculatorWindow> window = caller;
    auto prepare = [row, window](QWidget* w) {
        if (auto* dialog = qobject_cast<PickListDialog*>(w)) dialog->serve(*row, window);
    };
    switch (row->opening) {
        case PickOpening::CreateModal:
            // Always a fresh dialog at the first item of every list.
            delete registry.find(dialogClass);
            registry.openOrShowModal(dialogClass, prepare);
            break;
        case PickOpening::ReuseModal: registry.openOrShowModal(dialogClass, prepare); break;
        case PickOpening::ReuseNonModal: prepare(registry.openOrShow(dialogClass)); break;
    }
}

}  // namespace ondarel
