#include "TestFiles.h"

#include <QtTest>

class TestTranslations : public QObject {
    Q_OBJECT

    static QSet<QString> placeholders(const QString& s) {
        QSet<QString> out;
        for (auto it = QRegularExpression("%(\\d+|n)").globalMatch(s); it.hasNext();)
            out << it.next().captured(0);
        return out;
    }

private slots:
    // Every language translates every text of the code, with the same placeholders.
    void everyTextTranslatedInEveryLanguage() {
        const QString source = QStringLiteral(MIRAVELO_SOURCE_DIR);
        QStringList args = {"-silent",     "-no-obsolete", "-locations", "none",
                            "-extensions", "cpp,h",        "-I",         source};
        for (const char* folder : {"app", "ui", "camera", "modes", "output"})
            args << source + "/" + folder;
        const QRegularExpression message(
            "<source>(.*?)</source>.*?<translation([^>]*)>(.*?)</translation>",
            QRegularExpression::DotMatchesEverythingOption);
        const QStringList languages = QDir(source + "/Language").entryList({"*.ts"});
        QVERIFY(!languages.isEmpty());
        QTemporaryDir tmp;
        QStringList problems;
        for (const QString& ts : languages) {
            // Brought up to date with the code, a copy holds every text the file lacks as
            // unfinished.
            const QString copy = tmp.filePath(ts);
            QVERIFY(writeFile(copy, readFile(source + "/Language/" + ts)));
            QProcess lupdate;
            lupdate.start(QStringLiteral(LUPDATE), QStringList(args) << "-ts" << copy);
            QVERIFY(lupdate.waitForFinished(-1));
            QCOMPARE(lupdate.exitCode(), 0);
            auto it = message.globalMatch(QString::fromUtf8(readFile(copy)));
            QVERIFY(it.hasNext());
            while (it.hasNext()) {
                const auto m = it.next();
                const QString where = ts + " \"" + m.captured(1) + "\": ";
                if (m.captured(2).contains("unfinished") ||
                    (m.captured(3).trimmed().isEmpty() && !m.captured(1).trimmed().isEmpty()))
                    problems << where + "untranslated";
                else if (placeholders(m.captured(3)) != placeholders(m.captured(1)))
                    problems << where + "placeholders differ in \"" + m.captured(3) + "\"";
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 40).join("\n")));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_Translations.moc"
