// The floor for start-up timing: a bare main window with a menu bar, in a
// program that links the same Qt modules as Ondarel and leaves as soon as
// the window is shown, like `ondarel --exit-when-shown`. bench/startup.sh
// times both in one run.
#include <QApplication>
#include <QChart>
#include <QMainWindow>
#include <QMenuBar>
#include <QPrintDialog>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Keep the linker from dropping the modules the program links.
    [[maybe_unused]] volatile const void* linked[] = {&QChart::staticMetaObject, &QPrintDialog::staticMetaObject};
    QMainWindow window;
    window.setWindowTitle("Ondarel");
    window.menuBar()->addMenu("&Antenas");
    window.resize(800, 600);
    window.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
