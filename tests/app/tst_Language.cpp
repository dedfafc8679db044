#include "app/AppPaths.h"
#include "app/Language.h"

#include <QDir>
#include <QProcess>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The store lives under the configuration folder; only a private one will do.
        QVERIFY2(qEnvironmentVariableIsSet("MIRAVELO_TEST_ROOT"), "run through ctest");
    }

    void tableLookup() {
        QCOMPARE(Language::translationFileFor("German"), QString("German.qm"));
        QCOMPARE(Language::translationFileFor("german"), QString("en_us.qm"));
        QCOMPARE(Language::translationFileFor("GERMAN"), QString("en_us.qm"));
        QCOMPARE(Language::translationFileFor("SChina"), QString("zh_cn.qm"));
        QCOMPARE(Language::translationFileFor("TrdChina"), QString("trd_cn.qm"));
        QCOMPARE(Language::translationFileFor("French"), QString("french.qm"));
        QCOMPARE(Language::translationFileFor("English"), QString("en_us.qm"));
        QCOMPARE(Language::translationFileFor(""), QString("en_us.qm"));
        QCOMPARE(Language::translationFileFor(" Russian"), QString("en_us.qm"));
        QCOMPARE(Language::translationFileFor("zh_cn"), QString("en_us.qm"));
        QCOMPARE(Language::menuTextFor("SChina"), QString::fromUtf8("中文"));
        QCOMPARE(Language::menuTextFor("Italian"), QString("lingua italiana"));
        QCOMPARE(Language::menuTextFor("Klingon"), QString());

        // The menu lists every row of the table exactly once.
        QStringList stored;
        for (const Language::Entry& e : Language::table())
            stored << e.storedValue;
        QStringList menu = Language::menuOrder();
        QCOMPARE(menu.first(), QString("SChina"));
        QCOMPARE(menu.at(2), QString("English"));
        menu.sort();
        stored.sort();
        QCOMPARE(menu, stored);

        AppPaths::setApplicationDir("/opt/m");
        QCOMPARE(Language::translationPathFor("Japanese"), QString("/opt/m/Language/Japanese.qm"));
        AppPaths::setApplicationDir(QString());
    }

    void storeRoundTripAndLoading() {
        // Nothing stored yet: empty, English, and reading writes nothing.
        QCOMPARE(Language::storedValue(), QString());
        QSettings probe(QSettings::NativeFormat, QSettings::UserScope, "Miravelo");
        QVERIFY(!QFile::exists(probe.fileName()));

        Language::store("SChina");
        QCOMPARE(Language::storedValue(), QString("SChina"));
        QVERIFY(QFile::exists(probe.fileName()));
        QVERIFY(probe.fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));

        // The translation comes from the exact file only.
        QTemporaryDir dir;
        AppPaths::setApplicationDir(dir.path());
        QDir(dir.path()).mkdir("Language");
        QTranslator none;
        QVERIFY(!Language::loadInto(none));
        QVERIFY(none.isEmpty());

        const QString built = QStringLiteral(MIRAVELO_BIN_DIR) + "/Language/zh_cn.qm";
        if (QFile::exists(built)) {
            QVERIFY(QFile::copy(built, dir.path() + "/Language/zh_cn.qm"));
            QTranslator zh;
            QVERIFY(Language::loadInto(zh));
            QVERIFY(!zh.isEmpty());
        }
        // A file that is not a translation leaves the texts untranslated, without harm.
        Language::store("German");
        QFile junk(dir.path() + "/Language/German.qm");
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a translation");
        junk.close();
        QTranslator broken;
        QVERIFY(!Language::loadInto(broken));
        QCOMPARE(broken.translate("MainWindow", "Camera"), QString());
        AppPaths::setApplicationDir(QString());
    }

    void restartStartsANewInstanceWithoutArguments() {
        QTemporaryDir dir;
        const QString marker = dir.path() + "/started";
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("RESTART_MARKER", marker);
        QProcess old;
        old.setProcessEnvironment(env);
        old.start(QStringLiteral(RESTART_CHILD), {"restart"});
        QVERIFY(old.waitForFinished(10000));
        QCOMPARE(old.exitCode(), 0);
        // The new instance runs detached and may outlive the old one.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker) && QFileInfo(marker).size() > 0, 10000);
        QFile f(marker);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("1"));
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_Language.moc"
