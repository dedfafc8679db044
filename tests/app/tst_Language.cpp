#include "app/AppPaths.h"
#include "app/Language.h"
#include "TestFiles.h"

#include <QtTest>

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void everyLanguageHasABuiltFile() {
        for (const Language::Entry& e : Language::table()) {
            QTranslator qm;
            QVERIFY2(qm.load(QStringLiteral(MIRAVELO_BIN_DIR "/Language/") +
                             Language::translationFileFor(e.storedValue)) &&
                         !qm.isEmpty(),
                     qPrintable(e.fileName));
        }
    }

    void storeRoundTripAndLoading() {
        // The store lives under the configuration folder; only a private one will do.
        QVERIFY2(qEnvironmentVariableIsSet("MIRAVELO_TEST_ROOT"), "run through ctest");
        // Nothing stored yet reads as empty; a stored value is read back by a later process.
        QCOMPARE(Language::storedValue(), QString());
        Language::store("SChina");
        QSettings probe(QSettings::NativeFormat, QSettings::UserScope, "Miravelo");
        QCOMPARE(probe.value("Language").toString(), QString("SChina"));

        // The translation comes from the program's own Language folder only.
        QTemporaryDir dir;
        AppPaths::setApplicationDir(dir.path());
        QVERIFY(QDir(dir.path()).mkdir("Language"));
        QTranslator none;
        QVERIFY(!Language::loadInto(none));
        QVERIFY(QFile::copy(QStringLiteral(MIRAVELO_BIN_DIR "/Language/zh_cn.qm"),
                            dir.path() + "/Language/zh_cn.qm"));
        QTranslator zh;
        QVERIFY(Language::loadInto(zh) && !zh.isEmpty());

        // A file that is not a translation leaves the texts untranslated, without harm.
        Language::store("German");
        QVERIFY(writeFile(dir.path() + "/Language/German.qm", "not a translation"));
        QTranslator broken;
        QVERIFY(!Language::loadInto(broken) && broken.isEmpty());
        AppPaths::setApplicationDir(QString());
    }

    void restartStartsANewInstanceWithoutArguments() {
        QTemporaryDir dir;
        const QString marker = dir.path() + "/started";
        qputenv("RESTART_MARKER", QFile::encodeName(marker));
        QProcess old;
        old.start(QStringLiteral(RESTART_CHILD), {"restart"});
        QVERIFY(old.waitForFinished(-1));
        QCOMPARE(old.exitCode(), 0);
        // The new instance runs detached and may outlive the old one; it writes its argc.
        QTRY_COMPARE_WITH_TIMEOUT(readFile(marker), QByteArray("1"), 60000);
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_Language.moc"
