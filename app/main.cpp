#include <QApplication>
#include <QTranslator>

#include <cstdio>

#include "app/AppSettings.h"
#include "app/CommandLine.h"
#include "app/CrashHandler.h"
#include "app/Language.h"
#include "app/SingleInstance.h"
#include "ui/FirstPaintProbe.h"
#include "ui/MainWindow.h"

int main(int argc, char* argv[]) {
    // First of all, so that a fault anywhere later is reported. The same executable doubles as the
    // process that shows the box for a crashed instance.
    CrashHandler::install();
    const int reportResult = CrashHandler::runReportModeIfRequested(argc, argv);
    if (reportResult >= 0)
        return reportResult;

    // Answered before the application object exists, so they work without a display.
    const int informationResult = CommandLine::answerInformationOptions(argc, argv);
    if (informationResult >= 0)
        return informationResult;

    // The window draws with the raster engine only; without this, Qt's GLX integration loads the
    // whole Mesa/LLVM stack (about 50 MB resident) for nothing. A user's own choice still wins.
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");

    // Must be set before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);
    QTranslator translator;
    // Installed before the window is built, so every text is translated once, at construction.
    // A missing or broken translation leaves the source texts, silently.
    Language::loadInto(translator);
    app.installTranslator(&translator);

    // Before the window reads the settings: a second start only brings the first one forward.
    SingleInstance instance(AppSettings::filePath());
    if (!instance.claim()) {
        if (!instance.askRunningToShow())
            fprintf(stderr, "Miravelo is already running for %s\n",
                    qPrintable(AppSettings::filePath()));
        return 0;
    }

    int result = 0;
    {
        MainWindow window;
        QObject::connect(&instance, &SingleInstance::showRequested, &window,
                         &MainWindow::bringToFront);
        // A language change starts the next instance while this one is still ending.
        QObject::connect(&window, &MainWindow::restarting, &instance, &SingleInstance::release);
        FirstPaintProbe::installIfRequested(&window);
        window.show();
        result = app.exec();
    }
    return result;
}
