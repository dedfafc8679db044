#include <QApplication>
#include <QTranslator>

#include "app/CommandLine.h"
#include "app/CrashHandler.h"
#include "app/Language.h"
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

    int result = 0;
    {
        MainWindow window;
        FirstPaintProbe::installIfRequested(&window);
        window.show();
        result = app.exec();
    }
    return result;
}
