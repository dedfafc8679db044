#include "app/StyleSheet.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <QtEndian>
#include <QtTest>

namespace {

QStringList g_warnings;
void collect(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (type != QtDebugMsg)
        g_warnings << msg;
}

const QString kAppSheet = ":/new/prefix1/Black_Common.css";

}  // namespace

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // No explicit registration: linking the style-sheet code registers the bundle at load.
        QVERIFY(QFile::exists(":/new/prefix1/Res/NOLP.png"));
        InitResources();
        QVERIFY(QFile::exists(":/Black_Title.css"));
    }

    void everyPictureAtItsSize() {
        // Each line: folder, width, height, pictures; "name+x" stands for "name" and "namex".
        const char* table = R"(ICO 35 35 TurnL TurnLS TurnR TurnRS Stop
ICO 80 80 Waitting
Res 500 500 NOLP
Res/UI 80 80 Btn_TakePhoto_normal Btn_TakePhoto_hover Btn_TakePhoto_click
Res/UI 20 20 min+b max+b X+b About AboutB Lan+b help help_on
Res/UI 20 20 TabBar_Doc TabBar_IDCard TabBar_Sheet TabBar_Book CheckBox_NoCheck
Res/UI 24 24 TabBar_CamSet+_W TabBar_ImageSet+_W TabBar_Imagelist+_W TabBar_Otherset TabBar_OtherSet_W
Res/UI 80 80 Pre_Orgin+_S Pre_Cut+_S Pre_EnHence Pre_Enhence_S Pre_Gray+_S Pre_Sheet+_S
Res/UI 80 80 Pre_ID_Up+_S Pre_ID_Down+_S Pre_Book_Fore+_S Pre_Book_Back+_S
Res/UI 125 125 face
Res/UI 25 25 Btn_SelectALL+_B Btn_UnSelectAll+_B Btn_Delete+_B Btn_PDF+_B Btn_Word+_B
Res/UI 25 25 Btn_OCR+_B Btn_Print+_B Btn_Copy+_B
Res/UI 98 88 gallery
Res/UI 30 30 WM_DT+_b WM_T+_b WM_Pic+_b WM_N+_b Rotate+_B Exchange+_B
Res/UI 25 25 DAdd+_b DUp+_b DDown+_b DClear+_b DRight+_b Ddelete DDelete_b
Res/UI 32 32 Menuclose+_b
Res/UI 24 24 BtnSave Btn_Retake
Res/UI 144 140 NoDevice
Res/UI 1100 700 Help1 Help2 Help3 Help4
Res/UI 24 20 CheckBox_Check
Res/UI 20 13 QComboxArrow QComboxArrowUp
Res/UI 252 46 TextLineBackground)";
        int count = 0;
        const QString expanded =
            QString(table).replace(QRegularExpression("(\\w+)\\+(\\w+)"), "\\1 \\1\\2");
        for (const QString& line : expanded.split('\n')) {
            const QStringList f = line.split(' ');
            for (const QString& name : f.mid(3)) {
                const QString path = ":/new/prefix1/" + f[0] + "/" + name + ".png";
                const QImage img = QImage(path).convertToFormat(QImage::Format_ARGB32);
                ++count;
                QVERIFY2(img.size() == QSize(f[1].toInt(), f[2].toInt()), qPrintable(path));
                // A picture of one flat colour would be a placeholder, not a drawing.
                QImage flat(img);
                flat.fill(img.pixel(0, 0));
                QVERIFY2(img != flat, qPrintable(path));
            }
        }
        QCOMPARE(count, 108);
        // Hover and selected variants differ from their plain picture.
        const QString ui = ":/new/prefix1/Res/UI/";
        for (const QString& pair : {"min minb", "Pre_Cut Pre_Cut_S", "WM_T WM_T_b", "Help1 Help2"})
            QVERIFY2(QImage(ui + pair.section(' ', 0, 0) + ".png") !=
                         QImage(ui + pair.section(' ', 1) + ".png"),
                     qPrintable(pair));
        QVERIFY(!QIcon(":/new/prefix1/Res/NOLP.ico").pixmap(32, 32).isNull());
    }

    void beepIsARealSound() {
        QFile f(":/Res/beep.wav");
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray wav = f.readAll();
        QCOMPARE(wav.size(), 40044);
        QVERIFY(wav.startsWith("RIFF"));
        QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(wav.size() - 8));
        QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 20), quint16(1));  // PCM
        QCOMPARE(wav.mid(36, 4), QByteArray("data"));
        const quint32 data = qFromLittleEndian<quint32>(wav.constData() + 40);
        QCOMPARE(data, quint32(wav.size() - 44));
        // Audible, and silent at the end rather than cut off mid-wave.
        const qint16* s = reinterpret_cast<const qint16*>(wav.constData() + 44);
        const int n = int(data / 2);
        QVERIFY(std::any_of(s, s + n, [](qint16 v) { return qAbs(int(v)) > 8000; }));
        QVERIFY(qAbs(int(s[n - 1])) < 400);
    }

    void loadStyleSheetReadsBytes() {
        QTemporaryDir dir;
        auto load = [&](const QByteArray& bytes) {
            QFile f(dir.path() + "/sheet.css");
            f.open(QIODevice::WriteOnly);
            f.write(bytes);
            f.close();
            return LoadStyleSheet(f.fileName());
        };
        // Reading stops at a NUL byte; bytes that are not UTF-8 come through as Latin-1.
        QCOMPARE(load(QByteArray("QLabel { color: red; }\0QLabel { color: blue; }", 46)),
                 QString("QLabel { color: red; }"));
        QCOMPARE(load("/* caf\xe9 \xff */"), QString::fromLatin1("/* caf\xe9 \xff */"));

        QTest::ignoreMessage(QtDebugMsg, "CSS File:/Black_Missing.css is not found!");
        QCOMPARE(LoadStyleSheet(":/Black_Missing.css"), QString());
        // The double-slash form used for the countdown label finds its sheet.
        QVERIFY(LoadStyleSheet("://Black_Center_LabelTip.css").contains("85px"));
    }

    void sheetsCarryTheirRules() {
        // Rules the code relies on (names it looks up, the countdown's size) in each sheet.
        const QMap<QString, QStringList> rules = {
            {kAppSheet, {"pLbl_HelpTips", "QToolTip", "CheckBox_Check.png"}},
            {":/Black_Center_Button.css", {"border-radius: 40px", "Btn_TakePhoto_hover.png"}},
            {":/Black_Center_LabelTip.css", {"#FFFF00", "85px"}},
            {":/Black_Title.css", {"pBtn_Close:hover", "pQmenu_Languate"}},
            {":/Black_Right_QTabWidget.css",
             {"pQbtn_ImageItemsOcr:hover", "pBtn_WaterMarkType_Pic:checked"}},
            {":/Black_Top_QTabWidget.css", {"pQbtn_ResidenceMode_Exchange"}},
            {":/Black_Center_Common.css", {"#262B30"}},
            {":/Black_ViceWidget.css", {"ViceCamPreview", "pBtn_Takephoto"}},
            {":/Black_Dialog_PDF.css", {"Ldt_Outputpath", "btnMenu_Close"}},
        };
        const QRegularExpression url("url\\(([^)]+)\\)");
        for (auto it = rules.begin(); it != rules.end(); ++it) {
            const QString sheet = LoadStyleSheet(it.key());
            QVERIFY2(!sheet.isEmpty(), qPrintable(it.key()));
            for (const QString& rule : it.value())
                QVERIFY2(sheet.contains(rule), qPrintable(it.key() + ": " + rule));
            // Every picture a sheet names is in the bundle.
            auto m = url.globalMatch(sheet);
            while (m.hasNext()) {
                const QString target = m.next().captured(1).trimmed();
                QVERIFY2(QFile::exists(target), qPrintable(it.key() + " -> " + target));
            }
            // Qt parses the sheet without complaint.
            g_warnings.clear();
            const auto old = qInstallMessageHandler(collect);
            QPushButton b;
            b.setStyleSheet(sheet);
            b.ensurePolished();
            qInstallMessageHandler(old);
            QVERIFY2(g_warnings.isEmpty(), qPrintable(it.key() + ": " + g_warnings.join("; ")));
        }
    }

    void applicationStyle() {
        QVERIFY(ApplyApplicationStyleSheet());
        QVERIFY(qApp->styleSheet().contains("QMainWindow"));
        QCOMPARE(qApp->palette().color(QPalette::Button), QColor(0xF0, 0xF0, 0xF0));
    }
};

QTEST_MAIN(TestResources)
#include "tst_Resources.moc"
