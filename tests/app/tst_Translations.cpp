#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Entry {
    QString context, source, comment;
    QString type;              // "", "unfinished", "vanished", "obsolete"
    QStringList translations;  // one, or one per plural form
    bool numerus = false;
};

QString keyOf(const Entry& e) {
    return e.context + QChar(0x1f) + e.source + QChar(0x1f) + e.comment;
}

QVector<Entry> readTs(const QString& path, QString* error) {
    QVector<Entry> out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = "cannot open " + path;
        return out;
    }
    QXmlStreamReader xml(&f);
    QString context;
    Entry cur;
    bool inMessage = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto n = xml.name();
            if (n == QLatin1String("name") && !inMessage) {
                context = xml.readElementText();
            } else if (n == QLatin1String("message")) {
                cur = Entry();
                cur.context = context;
                cur.numerus = xml.attributes().value("numerus") == QLatin1String("yes");
                inMessage = true;
            } else if (n == QLatin1String("source")) {
                cur.source = xml.readElementText();
            } else if (n == QLatin1String("comment")) {
                cur.comment = xml.readElementText();
            } else if (n == QLatin1String("translation")) {
                cur.type = xml.attributes().value("type").toString();
                if (!cur.numerus)
                    cur.translations << xml.readElementText();
            } else if (n == QLatin1String("numerusform")) {
                cur.translations << xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            out << cur;
            inMessage = false;
        }
    }
    if (xml.hasError())
        *error = path + ": " + xml.errorString();
    return out;
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
    void everyTextTranslatedInEveryLanguage() {
        // The texts actually in the code, collected the way the update script does.
        QTemporaryDir tmp;
        const QString scan = tmp.path() + "/scan.ts";
        QStringList args = {"-silent", "-no-obsolete", "-locations",
                            "none",    "-extensions",  "cpp,h"};
        for (const QString d : {"app", "ui", "camera", "modes", "output"}) {
            if (QDir(QStringLiteral(MIRAVELO_SOURCE_DIR) + "/" + d).exists())
                args << QStringLiteral(MIRAVELO_SOURCE_DIR) + "/" + d;
        }
        args << "-ts" << scan;
        QProcess lupdate;
        lupdate.start(QStringLiteral(LUPDATE), args);
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        QString error;
        const QVector<Entry> sources = readTs(scan, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(sources.size() > 0);

        const QStringList files = {"en_us",   "french",   "trd_cn",  "German", "Spanish",
                                   "Italian", "Japanese", "Russian", "zh_cn"};
        QStringList problems;
        for (const QString& file : files) {
            const QString path = QStringLiteral(MIRAVELO_SOURCE_DIR) + "/Language/" + file + ".ts";
            const QVector<Entry> entries = readTs(path, &error);
            if (!error.isEmpty()) {
                problems << error;
                error.clear();
                continue;
            }
            QHash<QString, Entry> byKey;
            for (const Entry& e : entries)
                byKey.insert(keyOf(e), e);
            for (const Entry& s : sources) {
                const QString where = file + " [" + s.context + "] \"" + s.source + "\"";
                const auto it = byKey.constFind(keyOf(s));
                if (it == byKey.constEnd()) {
                    problems << where + ": missing";
                    continue;
                }
                if (!it->type.isEmpty()) {
                    problems << where + ": " + it->type;
                    continue;
                }
                if (it->translations.isEmpty()) {
                    problems << where + ": empty";
                    continue;
                }
                for (const QString& t : it->translations) {
                    if (t.trimmed().isEmpty() && !s.source.trimmed().isEmpty())
                        problems << where + ": empty";
                    else if (placeholders(t) != placeholders(s.source))
                        problems << where + ": placeholders differ in \"" + t + "\"";
                }
            }

            // The compiled file beside the program carries the same translations.
            QTranslator qm;
            const QString qmPath = QStringLiteral(MIRAVELO_BIN_DIR) + "/Language/" + file + ".qm";
            if (!qm.load(qmPath, QString(), QString(), QString())) {
                problems << qmPath + ": not built or not loadable";
                continue;
            }
            for (const Entry& e : entries) {
                if (e.type.isEmpty() && !e.numerus && !e.translations.isEmpty()) {
                    const QString got = qm.translate(
                        e.context.toUtf8(), e.source.toUtf8(),
                        e.comment.isEmpty() ? nullptr : e.comment.toUtf8().constData());
                    if (got != e.translations.first())
                        problems << qmPath + ": stale for \"" + e.source + "\"";
                    break;
                }
            }
        }
        const int shown = qMin(40, problems.size());
        QVERIFY2(problems.isEmpty(),
                 qPrintable(QString("%1 problems, first ones:\n").arg(problems.size()) +
                            problems.mid(0, shown).join("\n")));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_Translations.moc"
