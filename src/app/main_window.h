#pragma once
#include <QMainWindow>

namespace ondarel {

// TForm1: the catalogue. It computes nothing; its menus open the calculators.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace ondarel
