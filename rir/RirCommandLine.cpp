#include "RirCommandLine.h"

#include "OcrLanguages.h"
#include "textread/Orientation.h"
#include "app/Language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <cstring>

namespace {}  // namespace

bool RirCommandLine::wantsNoGui(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--no-gui") == 0)
            return true;
    return false;
}

RirCommandLine RirCommandLine::parse(const QStringList& arguments) {
    RirCommandLine line;
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "Rir", "Reads the text of pictures of pages and writes a searchable PDF and a text file."));
    parser.addHelpOption();
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        QCoreApplication::translate("Rir", "Languages of the text, such as deu+eng."),
        QStringLiteral("languages"));
    const QCommandLineOption out(
        QStringLiteral("out"),
        QCoreApplication::translate("Rir", "Folder for the PDF and the text file."),
        QStringLiteral("folder"));
    const QCommandLineOption jobs(
        QStringLiteral("jobs"), QCoreApplication::translate("Rir", "Pages read at the same time."),
        QStringLiteral("n"));
    const QCommandLineOption noGui(
        QStringLiteral("no-gui"),
        QCoreApplication::translate("Rir", "No window: progress lines on the terminal."));
    parser.addOptions({lang, out, jobs, noGui});
    parser.addPositionalArgument(
        QStringLiteral("files"),
        QCoreApplication::translate("Rir", "The pictures, one page each."));
    if (!parser.parse(arguments)) {
        line.error = parser.errorText();
        return line;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        line.error = parser.helpText();
        return line;
    }
    line.gui = !parser.isSet(noGui);
    for (const QString& file : parser.positionalArguments())
        line.request.files << QFileInfo(file).absoluteFilePath();
    if (line.request.files.isEmpty()) {
        line.error = QCoreApplication::translate("Rir", "No pictures were given.");
        return line;
    }
    line.request.workers = parser.isSet(jobs) ? std::max(1, parser.value(jobs).toInt())
                                              : std::max(1, QThread::idealThreadCount());
    const QString folder =
        parser.isSet(out) ? parser.value(out) : QFileInfo(line.request.files.first()).path();
    line.request.outputFolder = QFileInfo(folder).absoluteFilePath();
    const QFileInfo dir(line.request.outputFolder);
    if (!dir.isDir() || !dir.isWritable()) {
        line.error = QCoreApplication::translate(
                         "Rir", "Cannot write into %1: the folder may be missing or read-only.")
                         .arg(QDir::toNativeSeparators(line.request.outputFolder));
        return line;
    }
    line.request.dataPath = textread::dataFolder();
    const QString wanted = parser.isSet(lang) ? parser.value(lang)
                                              : OcrLanguages::forInterface(Language::storedValue());
    line.request.languages = OcrLanguages::installed(wanted, line.request.dataPath, &line.notes);
    if (line.request.languages.isEmpty())
        line.error =
            QCoreApplication::translate("Rir", "No text recognition data is installed in %1.")
                .arg(QDir::toNativeSeparators(line.request.dataPath));
    return line;
}
