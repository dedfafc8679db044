#include "app/AppPaths.h"
#include "app/AppSettings.h"
#include "TestFiles.h"

#include <QtTest>

#include <memory>

class TestAppSettings : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> tmp_;
    QString dir() const { return tmp_->path(); }
    QString ini() const { return dir() + "/Tesmora.ini"; }
    void writeIni(const QByteArray& bytes) { QVERIFY(writeFile(ini(), bytes)); }
    QByteArray readIni() const { return readFile(ini()); }
    // Every value the file holds, in the order a save writes them.
    static QVariantList stored(const AppSettings& s) {
        return {s.mainCamera,   s.subCamera,    s.mainResWidth,   s.mainResHeight, s.subResWidth,
                s.subResHeight, s.mainCompress, s.subCompress,    s.wmType,        s.wmContent,
                s.wmPosition,   s.wmColorR,     s.wmColorG,       s.wmColorB,      s.wmOpacity,
                s.wmWidth,      s.wmHeight,     s.wmFontSize,     s.wmImgPath,     s.imageType,
                s.nameType,     s.jpgRate,      s.docRotateAngle, s.baseDir,       s.namePre,
                s.isFirstStart};
    }

private slots:
    void init() {
        // These cases create folders under the home folder; only a private home will do.
        QVERIFY2(qEnvironmentVariableIsSet("MIRAVELO_TEST_ROOT"), "run through ctest");
        tmp_ = std::make_unique<QTemporaryDir>();
        QVERIFY(tmp_->isValid());
        AppPaths::setApplicationDir(dir());
        QDir::setCurrent(dir());
    }

    void shippedFileIsWrittenBackUnchanged() {
        // The shipped file is in the order and form a save writes, so only BaseDir changes.
        const QByteArray shipped = readFile(QStringLiteral(MIRAVELO_SOURCE_DIR "/Res/Tesmora.ini"));
        writeIni(shipped);
        AppSettings s;
        QVERIFY(s.Load() == AppSettings::Ok && s.Save() == AppSettings::Ok);
        QByteArray expected = shipped;
        expected.replace("BaseDir=~/OutPut/", "BaseDir=" + QDir::homePath().toUtf8() + "/OutPut/");
        QCOMPARE(readIni(), expected);
    }

    void saveKeepsForeignLinesAndEveryText() {
        writeIni("; installed by the vendor\n[Extra]\nFoo=bar\n\n[Software]\nUnknownKey=42\n");
        AppSettings s;
        QCOMPARE(s.Load(), int(AppSettings::Ok));
        // Texts that need every kind of escaping must come back unchanged.
        s.wmContent = "a, b; c=d \"q\" \\ back\ttab\n\xc3\xa9t\xc3\xa9 \xe4\xb8\xad 1\x01";
        s.namePre = "@Variant(x)";
        s.mainCamera = QString::fromUtf8(" padded \xf0\x9f\x93\xb7 ");
        s.baseDir = dir() + "/out dir,1/";
        QVERIFY(QDir().mkpath(s.baseDir));
        s.jpgRate = 77;
        QCOMPARE(s.Save(), int(AppSettings::Ok));

        const QByteArray written = readIni();
        QVERIFY(written.startsWith("; installed by the vendor\n"));
        QVERIFY(written.indexOf("isFristStart=") < written.indexOf("UnknownKey=42"));
        QVERIFY(written.indexOf("UnknownKey=42") < written.indexOf("[Extra]\nFoo=bar"));

        // What was saved reads back; saving again gives the same bytes: nothing accumulates.
        AppSettings back;
        QVERIFY(back.Load() == AppSettings::Ok && back.Save() == AppSettings::Ok);
        QCOMPARE(stored(back), stored(s));
        QCOMPARE(readIni(), written);
    }

    void absentKeysAndNumbers() {
        // Every absent key reads as 0 or empty, not as its built-in value; only whole numbers
        // count (surrounding blanks aside). A first-start entry that is not a number is a first
        // start, so that the tour repairs it.
        writeIni(
            "[Software]\nisFristStart=true\nJPGRate=12abc\nImagetype=-3\nNametype= 4 \n"
            "DocRotateAngle=0x5a\n[WaterMark]\nWMOpacity=3.5\nWMContent=a, b\nWMWidth=\n");
        AppSettings p;
        QCOMPARE(p.Load(), int(AppSettings::Ok));
        QCOMPARE(stored(p), (QVariantList{"", "", 0, 0, 0, 0,  0,  0, 0, "a, b", 0,  0,  0,
                                          0,  0,  0, 0, 0, "", -3, 4, 0, 0,      "", "", true}));
        // The output folder is the user's choice: one that is gone at start stays in the file.
        writeIni("[Software]\nBaseDir=/no-such-drive-miravelo/scans/2024\n");
        QVERIFY(p.Load() == AppSettings::Ok && p.Save() == AppSettings::Ok);
        QCOMPARE(p.baseDir, QString("/no-such-drive-miravelo/scans/2024"));
        QVERIFY(readIni().contains("BaseDir=/no-such-drive-miravelo/scans/2024\n"));
    }

    void outputDirectoryFallbackChain() {
        const QString pictures = AppSettings::picturesOutputDirectory();
        QVERIFY(!pictures.isEmpty());
        // A Windows drive path is unusable here and becomes no folder anywhere, a folder on a
        // drive that is gone is not rebuilt, nor a relative one made; an existing folder, or one
        // missing level below an existing one, is used; a plain file is not one.
        QVERIFY(writeFile(dir() + "/plain"));
        // A folder whose write bits are all off is read-only, also for a user the system lets in.
        QVERIFY(QDir().mkdir(dir() + "/locked"));
        QFile::setPermissions(dir() + "/locked", QFile::ReadOwner | QFile::ExeOwner);
        const QList<QPair<QString, QString>> cases = {
            {"C:\\OutPut\\", pictures},           {"/no-such-drive-miravelo/OutPut/", pictures},
            {"relative/out", pictures},           {dir(), dir()},
            {dir() + "/fresh", dir() + "/fresh"}, {dir() + "/plain", pictures},
            {dir() + "/locked", pictures}};
        for (const auto& c : cases)
            QCOMPARE(AppSettings::resolveOutputDirectory(c.first), c.second);
        QVERIFY(!QFileInfo::exists("/no-such-drive-miravelo"));
        QCOMPARE(QDir(dir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList({"fresh", "locked"}));

        // When even the pictures folder cannot be made, the home folder is the last resort.
        const QString picturesRoot = QFileInfo(pictures.chopped(1)).path();
        QVERIFY(QDir(picturesRoot).removeRecursively());
        QVERIFY(writeFile(picturesRoot));
        QCOMPARE(AppSettings::resolveOutputDirectory(""), QDir::homePath() + "/OutPut/");
        QVERIFY(QFileInfo(QDir::homePath() + "/OutPut").isDir());
        QVERIFY(QFile::remove(picturesRoot));
    }

    void brokenFilesNeverCrash() {
        // Binary garbage, a file cut in the middle of a line, NUL bytes, a lone header.
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage.append(char((i * 131 + 7) & 0xff));
        const QList<QByteArray> samples = {
            garbage, "[Software]\nJPGRate=8", QByteArray("[Software]\nJPG\0Rate=5\n", 22),
            "[Software]\nJPGRate=\"unterminated\n", "=\n==\n[]\n[Software\nJPGRate=9\n[Soft"};
        for (const QByteArray& sample : samples) {
            writeIni(sample);
            AppSettings s, again;
            QVERIFY(s.Load() != AppSettings::FileAbsent);
            // Saving over such a file still works, and what was saved reads back.
            QVERIFY(s.Save() == AppSettings::Ok && again.Load() == AppSettings::Ok);
            QCOMPARE(stored(again), stored(s));
            if (sample == samples[1])  // the value on the cut line still counts
                QCOMPARE(s.jpgRate, 8);
        }
    }

    void failedSaveLosesNothing() {
        AppSettings s;
        s.jpgRate = 99;
        // No file: nothing is read or made. A folder in its place is neither read nor written.
        QVERIFY(s.Load() == AppSettings::FileAbsent && s.Save() == AppSettings::FileAbsent);
        QVERIFY(!QFile::exists(ini()) && QDir().mkdir(ini()));
        QVERIFY(s.Load() == AppSettings::FileUnusable && s.Save() == AppSettings::FileUnusable);
        QVERIFY(QDir().rmdir(ini()) && s.jpgRate == 99);
        const QByteArray original = "[Software]\nJPGRate=33\nNamePre=KEEP\n[Mine]\nx=1\n";
        writeIni(original);

        // A read-only file stays as it is.
        QVERIFY(QFile::setPermissions(ini(), QFile::ReadOwner | QFile::ReadUser));
        QCOMPARE(s.Save(), int(AppSettings::FileUnusable));
        QCOMPARE(readIni(), original);
        QVERIFY(QFile::setPermissions(ini(), QFile::ReadOwner | QFile::WriteOwner));

        // A write that runs out of space (here: the file size limit) leaves the old file whole.
        int r = 0;
        QVERIFY(withFullDisk(64, [&] { r = s.Save(); }));
        QCOMPARE(r, int(AppSettings::FileUnusable));
        QCOMPARE(readIni(), original);
        QCOMPARE(QDir(dir()).entryList({"Tesmora.ini*"}, QDir::Files | QDir::Hidden),
                 QStringList{"Tesmora.ini"});

        AppSettings back;
        QVERIFY(s.Save() == AppSettings::Ok && back.Load() == AppSettings::Ok);
        QCOMPARE(back.jpgRate, 99);
    }
};

QTEST_GUILESS_MAIN(TestAppSettings)
#include "tst_AppSettings.moc"
