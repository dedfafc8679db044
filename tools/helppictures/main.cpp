// Renders the tour pictures into a resource folder (the repository's Res/): for every interface
// language Help1.png to Help3.png, the English set in UI/, every other one in
// UI/Help/<translation file name>/. Runs the program's own window on the offscreen platform.
//
// Usage: help_pictures <Res folder> [program folder of the build]
#include "HelpPages.h"
#include "HelpWindowStage.h"
#include "app/Language.h"

#include <QApplication>
#include <QDir>
#include <QImage>

#include <cstdio>

namespace {

// The window's own diagnostics would bury the tool's few lines: only errors are shown.
void errorsOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler(errorsOnly);
    if (argc < 2) {
        std::fprintf(stderr, "usage: help_pictures <Res folder> [program folder]\n");
        return 2;
    }
    const QString res = QString::fromLocal8Bit(argv[1]);
    const QString bin =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(MIRAVELO_BIN_DIR);
    HelpWindowStage stage(bin);
    if (!stage.prepare()) {
        std::fprintf(stderr, "help_pictures: %s\n", qPrintable(stage.error()));
        return 1;
    }
    for (const Language::Entry& language : Language::table()) {
        QString name = language.fileName;
        name.chop(3);  // ".qm"
        const QString folder = name == QLatin1String("en_us")
                                   ? res + QStringLiteral("/UI")
                                   : res + QStringLiteral("/UI/Help/") + name;
        if (!stage.start(language.fileName) || !QDir().mkpath(folder)) {
            std::fprintf(stderr, "help_pictures: %s: %s\n", qPrintable(name),
                         qPrintable(stage.error()));
            return 1;
        }
        for (int n = 1; n <= HelpPages::kCount; ++n) {
            const QImage picture = HelpPages::render(stage, n);
            const QString path = folder + QStringLiteral("/Help%1.png").arg(n);
            if (picture.isNull() || !picture.save(path)) {
                std::fprintf(stderr, "help_pictures: %s: %s\n", qPrintable(path),
                             qPrintable(stage.error()));
                return 1;
            }
            std::printf("wrote %s\n", qPrintable(path));
        }
        stage.stop();
    }
    return 0;
}
