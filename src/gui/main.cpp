#include <QApplication>

#include "gui/app/main_window.h"
#include "gui/app/splash_window.h"

int main(int argc, char** argv) {
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
