#include "app/CommandLine.h"

#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace CommandLine {

QString version() {
    return QStringLiteral(MIRAVELO_VERSION);
}

namespace {
void writeHelp(const QString& program, QTextStream& out) {
    out << "Usage: " << program << " [options]\n"
        << "Scan documents, identity cards, books and sheets with a USB document camera.\n\n"
        << "Options:\n"
        << "  -h, --help        Show this help and exit.\n"
        << "  -v, --version     Show the version and exit.\n"
        << "  Qt's own options (-platform, -style, ...) are accepted as well.\n\n"
        << "Environment:\n"
        << "  MIRAVELO_CAMERA=virtual|v4l2   List only the built-in virtual cameras, or only\n"
        << "                                 real V4L2 cameras.\n"
        << "  MIRAVELO_VCAM_SCENE=<path>     Show this image file, or the images of this folder,\n"
        << "                                 in the virtual document camera.\n"
        << "  MIRAVELO_LOG=1                 Write the daily diagnostic log.\n\n"
        << "Files:\n"
        << "  Run from its build folder, the program keeps Tesmora.ini, Log/ and tmp/ beside\n"
        << "  itself. An installed copy uses $XDG_CONFIG_HOME/Miravelo/Tesmora.ini,\n"
        << "  $XDG_STATE_HOME/Miravelo/Log/ and $XDG_CACHE_HOME/Miravelo/tmp.\n";
}
}  // namespace

int answerInformationOptions(const QStringList& args, QTextStream& out) {
    const QString program =
        args.isEmpty() ? QStringLiteral("miravelo") : QFileInfo(args.first()).fileName();
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--version") || arg == QLatin1String("-v")) {
            out << "Miravelo " << version() << '\n';
            return 0;
        }
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            writeHelp(program, out);
            return 0;
        }
    }
    return -1;
}

int answerInformationOptions(int argc, char** argv) {
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QTextStream out(stdout);
    return answerInformationOptions(args, out);
}

}  // namespace CommandLine
