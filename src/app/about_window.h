#pragma once
#include <QDialog>

namespace ondarel {

// Tfrmsobre, "Sobre o Ondarel".
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);
};

// TSplash2, shown while the program starts.
class SplashWindow : public QDialog {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);
};

}  // namespace ondarel
