// Window tests run offscreen with every window registered, as in the program.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>

#include "app/window_factories.h"
#include "framework/application_language.h"
#include "framework/command_guard.h"

namespace {

// The offscreen platform warns about window operations it cannot do.
void quietOffscreenWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith("This plugin does not support")) return;
    if (message.startsWith("QStandardPaths:")) return;
    fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(quietOffscreenWarnings);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ondarel::OndarelApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ondarel::installPortugueseTranslations(app);
    ondarel::registerWindows();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
