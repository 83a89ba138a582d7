#include <QApplication>
#include <QTextStream>
#include <cstdio>

#include "gui/app/main_window.h"
#include "gui/app/splash_window.h"
#include "gui/publish/convert_command.h"

int main(int argc, char** argv) {
    if (quirvo::isHelpRequest(argc, argv)) {
        QTextStream(stdout) << quirvo::commandLineHelp();
        return 0;
    }
    if (quirvo::isConvertCommand(argc, argv)) {
        // Converting shows no window, so it needs no screen either.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        QTextStream err(stderr);
        return quirvo::runConvertCommand(QApplication::arguments().mid(1), err);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("QUIRVO");
    QApplication::setDesktopFileName("quirvo");
    QApplication::setWindowIcon(QIcon::fromTheme("quirvo"));

    const quirvo::StartupOptions options;
    quirvo::MainWindow* form1 = nullptr;
    auto* form00 = new quirvo::SplashWindow(options.splashMs, [&form1, options] {
        form1 = new quirvo::MainWindow(options);
        form1->setAttribute(Qt::WA_DeleteOnClose);
        form1->showMaximized();
    });
    form00->show();
    return app.exec();
}
