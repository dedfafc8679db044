#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Text {
    QString context, source, comment;
};

QVector<Text> readTs(const QString& path) {
    QVector<Text> out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&f);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            out.append({context, QString(), QString()});
        else if (xml.name() == QLatin1String("source") && !out.isEmpty())
            out.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("comment") && !out.isEmpty())
            out.last().comment = xml.readElementText();
    }
    return xml.hasError() ? QVector<Text>() : out;
}

QSet<QString> placeholders(const QString& s) {
    QSet<QString> out;
    static const QRegularExpression re("%(\\d+|n)");
    auto it = re.globalMatch(s);
    while (it.hasNext())
        out << it.next().captured(0);
    return out;
}

}  // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    // Every text in the code is translated, with the same placeholders, in the compiled file of
    // every language beside the program: what the user sees, so a stale build counts too.
    void everyTextTranslatedInEveryLanguage() {
        const QString source = QStringLiteral(MIRAVELO_SOURCE_DIR);
        QTemporaryDir tmp;
        const QString scan = tmp.path() + "/scan.ts";
        QStringList args = {"-silent",     "-no-obsolete", "-locations", "none",
                            "-extensions", "cpp,h",        "-I",         source};
        for (const char* folder : {"app", "ui", "camera", "modes", "output"})
            args << source + "/" + folder;
        QProcess lupdate;
        lupdate.start(QStringLiteral(LUPDATE), args << "-ts" << scan);
        QVERIFY(lupdate.waitForFinished(-1));
        QCOMPARE(lupdate.exitCode(), 0);
        const QVector<Text> texts = readTs(scan);
        QVERIFY(!texts.isEmpty());

        QStringList problems;
        const QStringList languages = QDir(source + "/Language").entryList({"*.ts"});
        QVERIFY(!languages.isEmpty());
        for (const QString& ts : languages) {
            QFile file(source + "/Language/" + ts);
            if (!file.open(QIODevice::ReadOnly) || file.readAll().contains("type=\"unfinished\""))
                problems << ts + ": unreadable or unfinished";
            const QString qmPath =
                QStringLiteral(MIRAVELO_BIN_DIR "/Language/") + QFileInfo(ts).completeBaseName();
            QTranslator qm;
            if (!qm.load(qmPath + ".qm")) {
                problems << qmPath + ".qm: not built";
                continue;
            }
            for (const Text& t : texts) {
                const QString got =
                    qm.translate(t.context.toUtf8(), t.source.toUtf8(),
                                 t.comment.isEmpty() ? nullptr : t.comment.toUtf8().constData());
                const QString where = ts + " [" + t.context + "] \"" + t.source + "\": ";
                if (got.trimmed().isEmpty() && !t.source.trimmed().isEmpty())
                    problems << where + "untranslated";
                else if (placeholders(got) != placeholders(t.source))
                    problems << where + "placeholders differ in \"" + got + "\"";
            }
        }
        QVERIFY2(problems.isEmpty(),
                 qPrintable(QString("%1 problems, first ones:\n").arg(problems.size()) +
                            problems.mid(0, 40).join("\n")));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_Translations.moc"
