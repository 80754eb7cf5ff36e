#pragma once
// Tfrmprint, "Janela de impressão": which diagram of the calling pattern
// window to print.
#include <QDialog>
#include <array>

class QRadioButton;

namespace ondarel {

class PrintablePatterns;

class PrintWindow : public QDialog {
    Q_OBJECT
public:
    explicit PrintWindow(QWidget* parent = nullptr);
    QRadioButton* choice(int number) const { return choices_.at(static_cast<std::size_t>(number - 1)); }
    void OKClick();

private:
    int checkedNumber() const;
    std::array<QRadioButton*, 5> choices_{};
    int code_ = 0;
};

}  // namespace ondarel
