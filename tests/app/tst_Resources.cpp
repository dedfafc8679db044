#include "app/StyleSheet.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

QStringList g_warnings;
void collect(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (type != QtDebugMsg)
        g_warnings << msg;
}

const QStringList kWidgetSheets = {":/Black_Center_Button.css",    ":/Black_Center_Common.css",
                                   ":/Black_Center_LabelTip.css",  ":/Black_Dialog_PDF.css",
                                   ":/Black_Right_QTabWidget.css", ":/Black_Title.css",
                                   ":/Black_Top_QTabWidget.css",   ":/Black_ViceWidget.css"};
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
        struct Group {
            QStringList names;
            int w, h;
        };
        const QString ico = ":/new/prefix1/ICO/";
        const QString ui = ":/new/prefix1/Res/UI/";
        auto withVariants = [](const QStringList& base, const QString& suffix) {
            QStringList out;
            for (const QString& b : base)
                out << b << b + suffix;
            return out;
        };
        const QList<QPair<QString, QSize>> expected = [&] {
            QList<QPair<QString, QSize>> e;
            auto add = [&](const QString& dir, const QStringList& names, int w, int h) {
                for (const QString& n : names)
                    e << qMakePair(dir + n + ".png", QSize(w, h));
            };
            add(ico, {"TurnL", "TurnLS", "TurnR", "TurnRS", "Stop"}, 35, 35);
            add(ico, {"Waitting"}, 80, 80);
            add(":/new/prefix1/Res/", {"NOLP"}, 500, 500);
            add(ui, {"Btn_TakePhoto_normal", "Btn_TakePhoto_hover", "Btn_TakePhoto_click"}, 80, 80);
            add(ui,
                {"min", "minb", "max", "maxb", "X", "Xb", "About", "AboutB", "Lan", "Lanb", "help",
                 "help_on"},
                20, 20);
            add(ui,
                {"TabBar_CamSet", "TabBar_CamSet_W", "TabBar_ImageSet", "TabBar_ImageSet_W",
                 "TabBar_Imagelist", "TabBar_Imagelist_W", "TabBar_Otherset", "TabBar_OtherSet_W"},
                24, 24);
            add(ui, {"TabBar_Doc", "TabBar_IDCard", "TabBar_Sheet", "TabBar_Book"}, 20, 20);
            add(ui,
                {"Pre_Orgin", "Pre_Orgin_S", "Pre_Cut", "Pre_Cut_S", "Pre_EnHence", "Pre_Enhence_S",
                 "Pre_Gray", "Pre_Gray_S", "Pre_Sheet", "Pre_Sheet_S", "Pre_ID_Up", "Pre_ID_Up_S",
                 "Pre_ID_Down", "Pre_ID_Down_S", "Pre_Book_Fore", "Pre_Book_Fore_S",
                 "Pre_Book_Back", "Pre_Book_Back_S"},
                80, 80);
            add(ui, {"face"}, 125, 125);
            add(ui,
                withVariants({"Btn_SelectALL", "Btn_UnSelectAll", "Btn_Delete", "Btn_PDF",
                              "Btn_Word", "Btn_OCR", "Btn_Print", "Btn_Copy"},
                             "_B"),
                25, 25);
            add(ui, {"gallery"}, 98, 88);
            add(ui, withVariants({"WM_DT", "WM_T", "WM_Pic", "WM_N"}, "_b"), 30, 30);
            add(ui,
                {"DAdd", "Ddelete", "DUp", "DDown", "DClear", "DRight", "DAdd_b", "DDelete_b",
                 "DUp_b", "DDown_b", "DClear_b", "DRight_b"},
                25, 25);
            add(ui, {"Menuclose", "Menuclose_b"}, 32, 32);
            add(ui, {"Rotate", "Rotate_B", "Exchange", "Exchange_B"}, 30, 30);
            add(ui, {"BtnSave", "Btn_Retake"}, 24, 24);
            add(ui, {"NoDevice"}, 144, 140);
            add(ui, {"Help1", "Help2", "Help3", "Help4"}, 1100, 700);
            add(ui, {"CheckBox_Check"}, 24, 20);
            add(ui, {"CheckBox_NoCheck"}, 20, 20);
            add(ui, {"QComboxArrow", "QComboxArrowUp"}, 20, 13);
            add(ui, {"TextLineBackground"}, 252, 46);
            return e;
        }();
        QCOMPARE(expected.size(), 108);
        for (const auto& item : expected) {
            const QImage img(item.first);
            QVERIFY2(!img.isNull(), qPrintable(item.first));
            QVERIFY2(img.size() == item.second, qPrintable(item.first));
            // A picture of one flat colour would be a placeholder, not a drawing.
            const QRgb first = img.pixel(0, 0);
            bool varied = false;
            for (int y = 0; y < img.height() && !varied; y += 1)
                for (int x = 0; x < img.width() && !varied; x += 1)
                    varied = img.pixel(x, y) != first;
            QVERIFY2(varied, qPrintable(item.first));
        }
        // Hover and selected variants differ from their plain picture.
        QVERIFY(QImage(ui + "min.png") != QImage(ui + "minb.png"));
        QVERIFY(QImage(ui + "Pre_Cut.png") != QImage(ui + "Pre_Cut_S.png"));
        QVERIFY(QImage(ui + "WM_T.png") != QImage(ui + "WM_T_b.png"));
        QVERIFY(QImage(ui + "Help1.png") != QImage(ui + "Help2.png"));

        const QIcon icon(":/new/prefix1/Res/NOLP.ico");
        QVERIFY(!icon.isNull());
        QVERIFY(!icon.pixmap(32, 32).isNull());
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
        int peak = 0;
        for (int i = 0; i < n; ++i)
            peak = qMax(peak, qAbs(int(s[i])));
        QVERIFY(peak > 8000);
        QVERIFY(qAbs(int(s[n - 1])) < 400);
    }

    void loadStyleSheetReadsBytes() {
        QTemporaryDir dir;
        QFile f(dir.path() + "/nul.css");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("QLabel { color: red; }\0QLabel { color: blue; }", 46));
        f.close();
        QCOMPARE(LoadStyleSheet(f.fileName()), QString("QLabel { color: red; }"));

        QFile l(dir.path() + "/latin.css");
        QVERIFY(l.open(QIODevice::WriteOnly));
        l.write("/* caf\xe9 \xff */");
        l.close();
        const QString latin = LoadStyleSheet(l.fileName());
        QCOMPARE(latin.size(), 12);
        QCOMPARE(latin.at(6), QChar(0xe9));
        QCOMPARE(latin.at(8), QChar(0xff));

        QTest::ignoreMessage(QtDebugMsg, "CSS File:/Black_Missing.css is not found!");
        QCOMPARE(LoadStyleSheet(":/Black_Missing.css"), QString());
        // The double-slash form used for the countdown label finds its sheet.
        QVERIFY(LoadStyleSheet("://Black_Center_LabelTip.css").contains("85px"));
    }

    void sheetsCarryTheirRules() {
        const QMap<QString, QStringList> rules = {
            {kAppSheet,
             {"#262B30", "Microsoft YaHei", "pLbl_HelpTips", "margin-left: 26px", "QToolTip",
              "TextLineBackground.png", "CheckBox_NoCheck.png", "CheckBox_Check.png",
              "min-width: 40px"}},
            {":/Black_Center_Button.css",
             {"border-radius: 40px", "font-size: 20px", "Btn_TakePhoto_normal.png",
              "Btn_TakePhoto_hover.png", "Btn_TakePhoto_click.png", "TurnLS.png", "TurnRS.png",
              "Stop.png", "margin-right: 6px", "margin-bottom: 6px"}},
            {":/Black_Center_LabelTip.css", {"#FFFF00", "85px"}},
            {":/Black_Title.css",
             {"#1F242A", "#999999", "pBtn_Close:hover", "minb.png", "maxb.png", "Xb.png",
              "AboutB.png", "Lanb.png", "pQmenu_Languate", "padding: 8px 32px", "#DBDBDB"}},
            {":/Black_Right_QTabWidget.css",
             {"width: 24px", "height: 80px", "padding-top: 10px", "padding-bottom: 30px",
              "pQbtn_ImageItemsOcr:hover", "Btn_OCR_B.png", "pBtn_WaterMarkType_Pic:checked",
              "WM_Pic_b.png", "pQlabel_Watermarktype", "QComboxArrowUp.png", "rgb(68, 69, 73)",
              "height: 20px", "rgb(0, 160, 230)"}},
            {":/Black_Top_QTabWidget.css",
             {"height: 30px", "min-width: 85px", "padding-left: 30px", "padding-right: 20px",
              "pQbtn_ResidenceMode_Exchange", "Rotate_B.png", "Exchange_B.png", "rgb(50, 50, 50)"}},
            {":/Black_Center_Common.css", {"#262B30", "#28A4FF"}},
            {":/Black_ViceWidget.css",
             {"ViceCamPreview", "rgb(61, 60, 67)", "pQlbl_tip", "18px", "pBtn_Takephoto"}},
            {":/Black_Dialog_PDF.css",
             {"rgb(31, 36, 40)", "widget_title", "Ldt_Outputpath", "#DDDDDD", "btnMenu_Close",
              "Menuclose.png", "DDelete_b.png", "DRight_b.png", "lab_Title"}},
        };
        QCOMPARE(rules.size(), 9);
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
            QWidget w;
            QPushButton b(&w);
            w.setStyleSheet(sheet);
            w.ensurePolished();
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
