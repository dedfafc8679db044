#include "app/AppPaths.h"
#include "app/AppSettings.h"
#include "app/CommandLine.h"
#include "TestFiles.h"

#include <QtTest>

// The program as an installed desktop application: command-line answers, where an installed copy
// keeps its files, the desktop entry and metainfo, and the install step itself.
class TestDesktop : public QObject {
    Q_OBJECT

    static QString run(const QString& program, const QStringList& args, int* code,
                       const QString& workDir = QString()) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        if (!workDir.isEmpty())
            p.setWorkingDirectory(workDir);
        p.start(program, args);
        if (!p.waitForFinished(180000))
            return QStringLiteral("did not finish");
        *code = p.exitCode();
        return QString::fromUtf8(p.readAll());
    }

private slots:
    void cleanup() { AppPaths::setApplicationDir(QString()); }

    void informationOptions() {
        QString text;
        QTextStream out(&text);
        QCOMPARE(CommandLine::answerInformationOptions({"miravelo", "--version"}, out), 0);
        out.flush();
        QCOMPARE(text, QStringLiteral("Miravelo " MIRAVELO_PROJECT_VERSION "\n"));
        text.clear();
        QCOMPARE(
            CommandLine::answerInformationOptions({"/x/miravelo", "-platform", "xcb", "-h"}, out),
            0);
        out.flush();
        QVERIFY(text.startsWith("Usage: miravelo [options]"));
        QVERIFY(text.contains("--version"));
        // Anything else belongs to Qt and the program.
        QCOMPARE(CommandLine::answerInformationOptions({"miravelo", "-platform", "offscreen"}, out),
                 -1);
        QCOMPARE(CommandLine::answerInformationOptions({}, out), -1);
    }

    void installedCopyKeepsItsFilesInUserFolders() {
        const QString root = qEnvironmentVariable("MIRAVELO_TEST_ROOT");
        QVERIFY2(!root.isEmpty(), "run through ctest");
        QTemporaryDir prefix;
        QVERIFY(QDir().mkpath(prefix.path() + "/lib/miravelo") &&
                QDir().mkpath(prefix.path() + "/share/miravelo"));
        const QByteArray shipped = "[Software]\nBaseDir=~/Shipped/\nisFristStart=1\n";
        QVERIFY(writeFile(prefix.path() + "/share/miravelo/Tesmora.ini", shipped));
        AppPaths::setApplicationDir(prefix.path() + "/lib/miravelo");
        QVERIFY(AppPaths::usesUserFolders());

        // Seeded once from the shipped default, then the user's own file.
        const QString ini = root + "/config/Miravelo/Tesmora.ini";
        QCOMPARE(AppSettings::filePath(), ini);
        QCOMPARE(readFile(ini), shipped);
        AppSettings settings;
        settings.Load();
        QVERIFY(settings.isFirstStart);
        settings.isFirstStart = false;
        QCOMPARE(settings.Save(), int(AppSettings::Ok));
        QCOMPARE(AppSettings::filePath(), ini);
        QVERIFY(readFile(ini).contains("isFristStart=0"));
        QCOMPARE(readFile(prefix.path() + "/share/miravelo/Tesmora.ini"), shipped);
        QVERIFY(!QFileInfo::exists(prefix.path() + "/lib/miravelo/Tesmora.ini"));

        QCOMPARE(AppPaths::logDirectory(), root + "/home/.local/state/Miravelo/Log/");
        QCOMPARE(AppPaths::temporaryDirectory(), root + "/home/.cache/Miravelo/tmp");

        // Beside a build everything stays where it was.
        QTemporaryDir build;
        AppPaths::setApplicationDir(build.path());
        QVERIFY(!AppPaths::usesUserFolders());
        QCOMPARE(AppSettings::filePath(), build.path() + "/Tesmora.ini");
        QCOMPARE(AppPaths::temporaryDirectory(), build.path() + "/tmp");
        QCOMPARE(AppPaths::logDirectory(), QDir::currentPath() + "/Log/");
    }

    void desktopEntryAndMetainfoValidate() {
        const QString desktop =
            QStringLiteral(MIRAVELO_SOURCE_DIR "/Res/desktop/io.github.miravelo.Miravelo.desktop");
        int code = -1;
        QString out = run("desktop-file-validate", {desktop}, &code);
        QVERIFY2(code == 0 && out.trimmed().isEmpty(), qPrintable(out));
        out = run("appstreamcli", {"validate", "--no-net", MIRAVELO_METAINFO}, &code);
        QVERIFY2(code == 0, qPrintable(out));
        // Name and comment are read in every interface language.
        const QByteArray entry = readFile(desktop);
        for (const char* lang : {"de", "es", "fr", "it", "ja", "ru", "zh_CN", "zh_TW"}) {
            QVERIFY2(entry.contains(QByteArray("\nComment[") + lang + "]="), lang);
            QVERIFY2(entry.contains(QByteArray("\nGenericName[") + lang + "]="), lang);
        }
    }

    void installedProgramRunsFromAnyDirectory() {
        QTemporaryDir prefix;
        int code = -1;
        QString out =
            run("cmake", {"--install", MIRAVELO_BUILD_DIR, "--prefix", prefix.path()}, &code);
        QVERIFY2(code == 0, qPrintable(out));
        for (const char* file : {"/lib/miravelo/libKELM_CamCtl.so",
                                 "/lib/miravelo/Language/German.qm", "/share/miravelo/Tesmora.ini",
                                 "/share/icons/hicolor/scalable/apps/"
                                 "io.github.miravelo.Miravelo.svg"})
            QVERIFY2(QFileInfo::exists(prefix.path() + file), file);
        out = run(prefix.path() + "/bin/miravelo", {"--version"}, &code, QDir::rootPath());
        QCOMPARE(code, 0);
        QCOMPARE(out, QStringLiteral("Miravelo " MIRAVELO_PROJECT_VERSION "\n"));
    }
};

QTEST_GUILESS_MAIN(TestDesktop)
#include "tst_Desktop.moc"
