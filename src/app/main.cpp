#include <QTimer>

#include "app/about_window.h"
#include "app/main_window.h"
#include "app/window_factories.h"
#include "framework/application_language.h"
#include "framework/command_guard.h"
#include "framework/window_registry.h"

int main(int argc, char** argv)
{
    ondarel::OndarelApplication app(argc, argv);
    // No display name: the window manager would append it to every caption.
    QApplication::setApplicationName("Ondarel");
    // Lets the desktop match the windows with the installed menu entry and icon.
    QGuiApplication::setDesktopFileName("org.ondarel.Ondarel");
    ondarel::installPortugueseTranslations(app);

    auto* splash = new ondarel::SplashWindow;
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    ondarel::registerWindows();
    ondarel::MainWindow mainWindow;
    // The aperture pattern window is made at start-up, hidden, as the
    // program always has; the other windows wait for their first use.
    ondarel::WindowRegistry::instance().create("TForm39");
    mainWindow.show();
    delete splash;

    // For start-up timing only: leave as soon as the main window is shown.
    if (app.arguments().contains("--exit-when-shown")) QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
