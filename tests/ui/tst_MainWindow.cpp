// Drives the real main window on the offscreen platform, with a private application folder, and
// checks what the user would see and what lands in Tesmora.ini.
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

#include "app/AppPaths.h"
#include "app/AppSettings.h"
#include "ui/FirstPaintProbe.h"
#include "ui/MainWindow.h"

namespace {

const QStringList kKeyOrder = {
    "Camera/MainCamera",  "Camera/SubCamera",     "Camera/MainResWidth",     "Camera/MainResHeight",
    "Camera/SubResWidth", "Camera/SubResHeight",  "Camera/MainCompress",     "Camera/SubCompress",
    "WaterMark/WMType",   "WaterMark/WMContent",  "WaterMark/WMPosition",    "WaterMark/WMColorR",
    "WaterMark/WMColorG", "WaterMark/WMColorB",   "WaterMark/WMOpacity",     "WaterMark/WMWidth",
    "WaterMark/WMHeight", "WaterMark/WMFontsize", "WaterMark/WMImgpath",     "Software/Imagetype",
    "Software/Nametype",  "Software/JPGRate",     "Software/DocRotateAngle", "Software/BaseDir",
    "Software/NamePre",   "Software/isFristStart"};

// Group/key pairs in the order in which they appear in an INI file.
QStringList keysInFileOrder(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList keys;
    QString group;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith('[') && line.endsWith(']'))
            group = line.mid(1, line.size() - 2);
        else if (line.contains('='))
            keys << group + "/" + line.left(line.indexOf('=')).trimmed();
    }
    return keys;
}

// Runs `action` on the first modal dialog of type T that appears while `trigger` blocks.
template <typename T>
bool answerDialog(const std::function<void()>& trigger, const std::function<void(T*)>& action) {
    bool seen = false;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<T*>(w);
            if (dialog && dialog->isVisible()) {
                // A failed check inside `action` must not leave the dialog blocking the test.
                if (seen)
                    dialog->reject();
                seen = true;
                action(dialog);
                return;
            }
        }
    });
    poll.start();
    trigger();
    poll.stop();
    return seen;
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

public slots:
    void recordUrl(const QUrl& url) { m_openedUrls << url; }

private slots:
    void init();
    void cleanup();

    void startsCentredOnFirstStartAndMaximisedLater();
    void frameStructureThatSheetsAndOthersRelyOn();
    void settingsPanelPagesRangesAndInitialValues();
    void panelFilledFromIniWithoutRunningSlots();
    void everyChangeWritesTheWholeFileInOrder();
    void withoutIniNothingIsCreated();
    void watermarkTypeButtonsActLikeOptionalRadios();
    void colourPictureAndFolderDialogs();
    void titleBarMaximiseDragAndDoubleClick();
    void languageMenuAndAboutBox();
    void closeFadesOutThenCloses();
    void firstPaintIsStampedOnlyWhenAsked();
    void startUpStepsFollowTheFirstPaint();

private:
    void writeIni(const QByteArray& content);
    QString iniPath() const { return m_dir->path() + "/Tesmora.ini"; }
    QByteArray iniBytes() const;
    QVariant stored(const QString& key) const;
    MainWindow* startWindow();
    template <typename T>
    T* child(const char* name) const {
        T* w = m_window->findChild<T*>(name);
        if (!w)
            qWarning() << "missing child" << name;
        return w;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindow> m_window;
    QList<QUrl> m_openedUrls;
};

void TestMainWindow::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    AppPaths::setApplicationDir(m_dir->path());
    // The companion libraries live beside the program; without them the start-up would stop at
    // its "unable to load" notice.
    const QDir bin(MIRAVELO_BIN_DIR);
    for (const QString& lib : bin.entryList({"lib*.so"}, QDir::Files))
        QVERIFY(QFile::link(bin.filePath(lib), m_dir->filePath(lib)));
    m_openedUrls.clear();
}

void TestMainWindow::cleanup() {
    m_window.reset();
    AppPaths::setApplicationDir(QString());
    m_dir.reset();
}

void TestMainWindow::writeIni(const QByteArray& content) {
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray TestMainWindow::iniBytes() const {
    QFile file(iniPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QVariant TestMainWindow::stored(const QString& key) const {
    // QSettings caches a file by name and may miss a rewrite of equal size in the same instant,
    // so every read goes through a fresh copy.
    static int serial = 0;
    const QString copy = m_dir->path() + QString("/read-%1.ini").arg(++serial);
    QFile::copy(iniPath(), copy);
    const QVariant value = QSettings(copy, QSettings::IniFormat).value(key);
    QFile::remove(copy);
    return value;
}

MainWindow* TestMainWindow::startWindow() {
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    // The start-up timer fires once the event loop runs.
    QTest::qWait(30);
    // The test folder holds no companion libraries, so the start-up shows the component notice;
    // it is not what these tests look at.
    for (QMessageBox* box : m_window->findChildren<QMessageBox*>())
        box->close();
    QApplication::setActiveWindow(m_window.get());
    QTest::qWait(10);
    return m_window.get();
}

void TestMainWindow::startsCentredOnFirstStartAndMaximisedLater() {
    writeIni("[Software]\nisFristStart=1\n");
    MainWindow* w = startWindow();
    QCOMPARE(w->size(), QSize(1100, 700));
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(w->pos(), QPoint((desktop.width() - 1100) / 2, (desktop.height() - 700) / 2));
    QVERIFY(!(w->windowState() & Qt::WindowMaximized));
    m_window.reset();

    // "true" is not the number 1, so this is a later start.
    writeIni("[Software]\nisFristStart=true\n");
    w = startWindow();
    QVERIFY(w->windowState() & Qt::WindowMaximized);
}

void TestMainWindow::frameStructureThatSheetsAndOthersRelyOn() {
    MainWindow* w = startWindow();
    QCOMPARE(w->objectName(), QString("MainWindow"));
    QCOMPARE(w->centralWidget()->objectName(), QString("centralWidget"));
    QCOMPARE(w->minimumSize(), QSize(1100, 700));
    QCOMPARE(w->windowTitle(), QString("ZR Miravelo"));
    const Qt::WindowFlags hints = Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                                  Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
    QCOMPARE(w->windowFlags() & ~Qt::WindowType_Mask, hints);
    QVERIFY(w->isWindow());

    auto* grid = child<QGridLayout>("pQGridLayout_Main");
    QVERIFY(grid);
    QCOMPARE(grid->spacing(), 0);
    QCOMPARE(grid->contentsMargins(), QMargins(1, 1, 1, 1));
    auto cell = [&](QWidget* widget) {
        int r, c, rs, cs;
        grid->getItemPosition(grid->indexOf(widget), &r, &c, &rs, &cs);
        return QList<int>{r, c, rs, cs};
    };
    QCOMPARE(cell(child<QWidget>("pQWidget_Title")), (QList<int>{0, 0, 1, 2}));
    QCOMPARE(cell(child<QWidget>("pCPreConfigBar")), (QList<int>{1, 0, 1, 1}));
    QCOMPARE(cell(child<QWidget>("pQWid_RightSetZone_Main")), (QList<int>{1, 1, 2, 1}));
    for (const char* over : {"pCCameraPreview", "pBtn_TakePhoto", "pQlbl_Main", "pCViceCamPreview",
                             "pQWid_PreviewButtons", "pQWid_HelpTip"})
        QCOMPARE(cell(child<QWidget>(over)), (QList<int>{2, 0, 1, 1}));
    QCOMPARE(grid->itemAt(grid->indexOf(child<QWidget>("pBtn_TakePhoto")))->alignment(),
             Qt::AlignRight | Qt::AlignBottom);
    QCOMPARE(grid->rowStretch(2), 20);
    QCOMPARE(grid->rowMinimumHeight(2), 600);

    // Title bar: logo, name, then the five buttons left to right.
    auto* title = child<QWidget>("pQWidget_Title");
    QCOMPARE(title->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(title->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(child<QLabel>("pLbl_SoftWareName_Title")->text(), QString("Miravelo"));
    int lastX = -1;
    for (const char* name : {"pImg_SoftWare", "pLbl_SoftWareName_Title", "pBtn_Languages",
                             "pBtn_About", "pBtn_Min", "pBtn_Max", "pBtn_Close"}) {
        QWidget* item = child<QWidget>(name);
        QVERIFY2(item && item->isVisible(), name);
        QVERIFY2(item->x() > lastX, name);
        lastX = item->x();
    }
    QVERIFY(child<QPushButton>("pBtn_Close")->geometry().right() > w->width() - 40);

    auto* tip = child<QLabel>("pLbl_HelpTips");
    QVERIFY(tip->text().startsWith("Please pay attention to the lighting environment"));
    QCOMPARE(tip->toolTip(), QString("Click Open Help Center for more information..."));
    QVERIFY(tip->openExternalLinks());
    QCOMPARE(child<QLabel>("pLbl_HelpIcon")->margin(), 4);

    QVERIFY(!child<QPushButton>("Btn_Preview_StopAutoTake")->isVisible());
    QVERIFY(child<QPushButton>("Btn_Preview_TurnLeft")->isVisible());
    QVERIFY(child<QWidget>("pCViceCamPreview")->isHidden());
}

void TestMainWindow::settingsPanelPagesRangesAndInitialValues() {
    startWindow();
    auto* tabs = child<QTabWidget>("ptabwidget_RightSetZone_Set");
    QCOMPARE(tabs->tabPosition(), QTabWidget::East);
    QCOMPARE(tabs->maximumWidth(), 260);
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QString("Camera"));
    QCOMPARE(tabs->tabText(1), QString("Img Set"));
    QCOMPARE(tabs->tabText(2), QString("Image list"));

    auto items = [](QComboBox* box) {
        QStringList out;
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    };
    QCOMPARE(items(child<QComboBox>("pCombo_PowerFre")), (QStringList{"50HZ", "60HZ"}));
    QCOMPARE(items(child<QComboBox>("pCombo_TakePhotoTimer")),
             (QStringList{"0S", "1S", "2S", "5S", "10S", "15S", "20S", "25S", "30S"}));
    QCOMPARE(child<QComboBox>("pCombo_TakePhotoTimer")->currentIndex(), 0);
    QCOMPARE(items(child<QComboBox>("pCombo_ImgFormat")),
             (QStringList{".BMP", ".JPG", ".PNG", ".GIF", ".TIF"}));
    QCOMPARE(items(child<QComboBox>("pCombo_NameRule")),
             (QStringList{"Time&Date", "Index", "TimeDate&Index"}));
    QCOMPARE(items(child<QComboBox>("pCombo_ImgRotate")), (QStringList{"0", "90", "180", "270"}));
    QCOMPARE(child<QComboBox>("pCombo_WMPosition")->count(), 9);
    QCOMPARE(child<QComboBox>("pCombo_VicePos")->count(), 4);
    QVERIFY(!child<QCheckBox>("pCheck_OpenViceCam")->isChecked());
    QVERIFY(!child<QCheckBox>("pCheck_MergeSubCam")->isChecked());

    auto* jpg = child<QSlider>("pSlider_JPGRate");
    QCOMPARE(jpg->minimum(), 0);
    QCOMPARE(jpg->maximum(), 100);
    QCOMPARE(jpg->tickInterval(), 5);
    QCOMPARE(jpg->tickPosition(), QSlider::TicksAbove);
    QCOMPARE(child<QSlider>("pSlider_WMOpacity")->maximum(), 100);
    QCOMPARE(child<QSpinBox>("pSpin_WMWidth")->maximum(), 800);
    QCOMPARE(child<QSpinBox>("pSpin_WMHeight")->maximum(), 800);
    QCOMPARE(child<QSpinBox>("pSpin_WMFontSize")->maximum(), 200);

    // The hidden controls stay hidden on every page.
    for (int page = 0; page < 3; ++page) {
        tabs->setCurrentIndex(page);
        QTest::qWait(5);
        QVERIFY(!child<QSpinBox>("pSpin_WMHeight")->isVisible());
        QVERIFY(!child<QPushButton>("pQbtn_ImageItemsOcr")->isVisible());
    }
    QCOMPARE(child<QPushButton>("pQbtn_ImageItemsOcr")->cursor().shape(), Qt::ForbiddenCursor);
    QCOMPARE(child<QPushButton>("pQbtn_ImageItemsCopy")->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(child<QPushButton>("pQbtn_ImageItemsDelete")->toolTip(),
             QString("Delect Selectd Items"));

    auto* list = child<QListWidget>("pListWidget_Images");
    QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(list->viewMode(), QListView::IconMode);
    QVERIFY(!list->dragEnabled());

    for (const char* type : {"pBtn_WaterMarkType_None", "pBtn_WaterMarkType_DateTime",
                             "pBtn_WaterMarkType_Text", "pBtn_WaterMarkType_Pic"})
        QVERIFY2(child<QPushButton>(type)->isCheckable(), type);
}

void TestMainWindow::panelFilledFromIniWithoutRunningSlots() {
    const QByteArray ini =
        "[WaterMark]\nWMType=2\nWMContent=Stamp\nWMPosition=4\nWMColorR=10\nWMColorG=20\n"
        "WMColorB=30\nWMOpacity=150\nWMWidth=300\nWMHeight=200\nWMFontsize=12\n"
        "WMImgpath=/tmp/logo.png\n"
        "[Software]\nImagetype=9\nisFristStart=0\nNametype=2\nJPGRate=55\n"
        "DocRotateAngle=270\nBaseDir=" +
        m_dir->path().toUtf8() + "\nNamePre=SCAN\n";
    writeIni(ini);
    startWindow();

    QCOMPARE(child<QComboBox>("pCombo_ImgRotate")->currentText(), QString("270"));
    QCOMPARE(child<QComboBox>("pCombo_NameRule")->currentIndex(), 2);
    QCOMPARE(child<QLineEdit>("pLineEdit_NamePre")->text(), QString("SCAN"));
    QCOMPARE(child<QSlider>("pSlider_JPGRate")->value(), 55);
    // Out-of-range values: a combo shows no selection, a slider clamps.
    QCOMPARE(child<QComboBox>("pCombo_ImgFormat")->currentIndex(), -1);
    QCOMPARE(child<QSlider>("pSlider_WMOpacity")->value(), 100);
    QVERIFY(child<QPushButton>("pBtn_WaterMarkType_Text")->isChecked());
    QVERIFY(!child<QPushButton>("pBtn_WaterMarkType_None")->isChecked());
    QVERIFY(!child<QPushButton>("pBtn_WaterMarkType_DateTime")->isChecked());
    QVERIFY(!child<QPushButton>("pBtn_WaterMarkType_Pic")->isChecked());
    QCOMPARE(child<QLineEdit>("pLineEdit_WMContent")->text(), QString("Stamp"));
    QCOMPARE(child<QComboBox>("pCombo_WMPosition")->currentIndex(), 4);
    QCOMPARE(child<QSpinBox>("pSpin_WMWidth")->value(), 300);
    QCOMPARE(child<QSpinBox>("pSpin_WMHeight")->value(), 200);
    QCOMPARE(child<QSpinBox>("pSpin_WMFontSize")->value(), 12);
    QCOMPARE(child<QLineEdit>("pLineEdit_WMImgPath")->text(), QString("/tmp/logo.png"));
    QCOMPARE(child<QLabel>("pLbl_BaseDir")->text(), m_dir->path());
    QCOMPARE(child<QPushButton>("pBtn_WMColor")->styleSheet(),
             QString("background: rgb(10,20,30)"));
    // Text stamp: content, position, colour, opacity and font size are the live controls.
    QVERIFY(child<QLineEdit>("pLineEdit_WMContent")->isEnabled());
    QVERIFY(child<QSpinBox>("pSpin_WMFontSize")->isEnabled());
    QVERIFY(!child<QPushButton>("pBtn_WMChooseImg")->isEnabled());

    // Filling ran no slot. Opening the camera may record its name, but none of the panel's
    // values was written back: a slot would have stored the clamped opacity, the square size,
    // the shown format.
    QCOMPARE(stored("WaterMark/WMOpacity").toInt(), 150);
    QCOMPARE(stored("WaterMark/WMHeight").toInt(), 200);
    QCOMPARE(stored("Software/Imagetype").toInt(), 9);
    QCOMPARE(stored("WaterMark/WMType").toInt(), 2);
    QCOMPARE(m_window->settings()->wmHeight, 200);
    QCOMPARE(m_window->settings()->wmOpacity, 150);
    QCOMPARE(m_window->settings()->imageType, 9);
}

void TestMainWindow::everyChangeWritesTheWholeFileInOrder() {
    writeIni("[Software]\nisFristStart=0\nBaseDir=" + m_dir->path().toUtf8() + "\n");
    startWindow();

    auto* format = child<QComboBox>("pCombo_ImgFormat");
    format->setCurrentIndex(2);
    QCOMPARE(keysInFileOrder(iniPath()), kKeyOrder);
    QCOMPARE(stored("Software/Imagetype").toInt(), 2);
    QCOMPARE(stored("Software/isFristStart").toInt(), 0);
    QCOMPARE(stored("Software/BaseDir").toString(), m_dir->path());

    child<QComboBox>("pCombo_NameRule")->setCurrentIndex(1);
    QCOMPARE(stored("Software/Nametype").toInt(), 1);

    auto* prefix = child<QLineEdit>("pLineEdit_NamePre");
    prefix->setFocus();
    prefix->setText("Page, one");
    QTest::keyClick(prefix, Qt::Key_Return);
    QCOMPARE(stored("Software/NamePre").toString(), QString("Page, one"));

    child<QSlider>("pSlider_JPGRate")->setValue(33);
    QCOMPARE(stored("Software/JPGRate").toInt(), 33);

    auto* rotate = child<QComboBox>("pCombo_ImgRotate");
    const int angles[] = {90, 180, 270, 0};
    for (int i : {1, 2, 3, 0}) {
        rotate->setCurrentIndex(i);
        QCOMPARE(stored("Software/DocRotateAngle").toInt(), angles[(i + 3) % 4]);
    }

    auto* content = child<QLineEdit>("pLineEdit_WMContent");
    content->setText("Confidential");
    emit content->editingFinished();
    QCOMPARE(stored("WaterMark/WMContent").toString(), QString("Confidential"));

    child<QComboBox>("pCombo_WMPosition")->setCurrentIndex(8);
    QCOMPARE(stored("WaterMark/WMPosition").toInt(), 8);
    child<QSlider>("pSlider_WMOpacity")->setValue(45);
    QCOMPARE(stored("WaterMark/WMOpacity").toInt(), 45);
    child<QSpinBox>("pSpin_WMFontSize")->setValue(72);
    QCOMPARE(stored("WaterMark/WMFontsize").toInt(), 72);

    // The visible size box sets a square; the hidden height box alone does not write the file.
    child<QSpinBox>("pSpin_WMWidth")->setValue(300);
    QCOMPARE(stored("WaterMark/WMWidth").toInt(), 300);
    QCOMPARE(stored("WaterMark/WMHeight").toInt(), 300);
    const QByteArray before = iniBytes();
    child<QSpinBox>("pSpin_WMHeight")->setValue(120);
    QCOMPARE(iniBytes(), before);
    QCOMPARE(m_window->settings()->wmHeight, 120);
    child<QSlider>("pSlider_JPGRate")->setValue(34);  // any later save carries it along
    QCOMPARE(stored("WaterMark/WMHeight").toInt(), 120);

    // Unrelated controls never touch the file.
    const QByteArray steady = iniBytes();
    child<QComboBox>("pCombo_PowerFre")->setCurrentIndex(1);
    child<QComboBox>("pCombo_TakePhotoTimer")->setCurrentIndex(3);
    QCOMPARE(iniBytes(), steady);
    QCOMPARE(keysInFileOrder(iniPath()), kKeyOrder);
}

void TestMainWindow::withoutIniNothingIsCreated() {
    MainWindow* w = startWindow();
    QCOMPARE(child<QSlider>("pSlider_JPGRate")->value(), 90);
    QCOMPARE(child<QLineEdit>("pLineEdit_NamePre")->text(), QString("IMG"));
    QCOMPARE(child<QSlider>("pSlider_WMOpacity")->value(), 80);
    QCOMPARE(child<QLabel>("pLbl_BaseDir")->text(), w->settings()->baseDir);
    QCOMPARE(child<QLineEdit>("pLineEdit_WMContent")->text(), QString("ZR"));
    QVERIFY(!(w->windowState() & Qt::WindowMaximized));  // built-in: first start

    child<QComboBox>("pCombo_ImgFormat")->setCurrentIndex(1);
    child<QSlider>("pSlider_JPGRate")->setValue(10);
    child<QPushButton>("pBtn_WaterMarkType_Text")->setChecked(true);
    QCOMPARE(w->settings()->imageType, 1);
    QCOMPARE(w->settings()->jpgRate, 10);
    QCOMPARE(w->settings()->wmType, 2);
    QVERIFY(!QFile::exists(iniPath()));
    QCOMPARE(QDir(m_dir->path()).entryList({"*.ini"}, QDir::Files), QStringList());
}

void TestMainWindow::watermarkTypeButtonsActLikeOptionalRadios() {
    writeIni("[WaterMark]\nWMType=0\n[Software]\nisFristStart=0\nBaseDir=" +
             m_dir->path().toUtf8() + "\n");
    startWindow();
    QPushButton* buttons[] = {child<QPushButton>("pBtn_WaterMarkType_None"),
                              child<QPushButton>("pBtn_WaterMarkType_DateTime"),
                              child<QPushButton>("pBtn_WaterMarkType_Text"),
                              child<QPushButton>("pBtn_WaterMarkType_Pic")};
    QWidget* content = child<QWidget>("pLineEdit_WMContent");
    QWidget* position = child<QWidget>("pCombo_WMPosition");
    QWidget* colour = child<QWidget>("pBtn_WMColor");
    QWidget* opacity = child<QWidget>("pSlider_WMOpacity");
    QWidget* width = child<QWidget>("pSpin_WMWidth");
    QWidget* path = child<QWidget>("pLineEdit_WMImgPath");
    QWidget* choose = child<QWidget>("pBtn_WMChooseImg");
    QWidget* font = child<QWidget>("pSpin_WMFontSize");
    // enabled: content, position, colour, opacity, width, path, choose, font
    const bool table[4][8] = {{false, false, false, false, false, false, false, false},
                              {false, true, true, true, false, false, false, true},
                              {true, true, true, true, false, false, false, true},
                              {false, true, true, true, true, true, true, false}};
    for (int type : {2, 3, 1, 0}) {
        QTest::mouseClick(buttons[type], Qt::LeftButton);
        for (int b = 0; b < 4; ++b)
            QCOMPARE(buttons[b]->isChecked(), b == type);
        QCOMPARE(stored("WaterMark/WMType").toInt(), type);
        QWidget* widgets[] = {content, position, colour, opacity, width, path, choose, font};
        for (int i = 0; i < 8; ++i)
            QVERIFY2(widgets[i]->isEnabled() == table[type][i],
                     qPrintable(QString("type %1 widget %2").arg(type).arg(i)));
    }

    // Unchecking the active picture stamp leaves no stamp, and the controls as they were.
    QTest::mouseClick(buttons[3], Qt::LeftButton);
    QCOMPARE(stored("WaterMark/WMType").toInt(), 3);
    QTest::mouseClick(buttons[3], Qt::LeftButton);
    QVERIFY(!buttons[3]->isChecked());
    QCOMPARE(stored("WaterMark/WMType").toInt(), 0);
    QCOMPARE(m_window->settings()->wmType, 0);
    QVERIFY(width->isEnabled());
}

void TestMainWindow::colourPictureAndFolderDialogs() {
    writeIni("[Software]\nisFristStart=0\nBaseDir=" + m_dir->path().toUtf8() + "\n");
    startWindow();

    // Colour: cancelling changes nothing, accepting stores and paints the button.
    auto* colourButton = child<QPushButton>("pBtn_WMColor");
    const QByteArray before = iniBytes();
    QVERIFY(answerDialog<QColorDialog>([&] { m_window->Handle_WaterMarkColorSelect(); },
                                       [](QColorDialog* d) {
                                           QCOMPARE(d->currentColor(), QColor(Qt::red));
                                           d->reject();
                                       }));
    QCOMPARE(iniBytes(), before);
    QVERIFY(answerDialog<QColorDialog>([&] { m_window->Handle_WaterMarkColorSelect(); },
                                       [](QColorDialog* d) {
                                           d->setCurrentColor(QColor(0, 128, 255));
                                           static_cast<QDialog*>(d)->accept();
                                       }));
    QCOMPARE(stored("WaterMark/WMColorR").toInt(), 0);
    QCOMPARE(stored("WaterMark/WMColorG").toInt(), 128);
    QCOMPARE(stored("WaterMark/WMColorB").toInt(), 255);
    QCOMPARE(colourButton->styleSheet(), QString("background: rgb(0,128,255)"));

    // Picture: the chosen file goes to the line edit and the file.
    const QString picture = m_dir->path() + "/stamp with space.png";
    QImage(8, 8, QImage::Format_RGB32).save(picture);
    QVERIFY(answerDialog<QFileDialog>([&] { m_window->Handle_WaterMarkImgPathSelected(); },
                                      [&](QFileDialog* d) {
                                          QCOMPARE(d->windowTitle(), QString("Select Image File"));
                                          QCOMPARE(d->fileMode(), QFileDialog::ExistingFiles);
                                          d->selectFile(picture);
                                          static_cast<QDialog*>(d)->accept();
                                      }));
    QCOMPARE(child<QLineEdit>("pLineEdit_WMImgPath")->text(), picture);
    QCOMPARE(stored("WaterMark/WMImgpath").toString(), picture);

    // Output folder: cancelling keeps it; choosing updates label, tool tip and file.
    auto* label = child<QLabel>("pLbl_BaseDir");
    const QString oldDir = label->text();
    QVERIFY(answerDialog<QFileDialog>([&] { m_window->Handle_SelectBaseDir(); },
                                      [](QFileDialog* d) { d->reject(); }));
    QCOMPARE(label->text(), oldDir);
    const QString newDir = m_dir->path() + "/scans, 2024";
    QVERIFY(QDir().mkpath(newDir));
    QVERIFY(answerDialog<QFileDialog>([&] { m_window->Handle_SelectBaseDir(); },
                                      [&](QFileDialog* d) {
                                          QCOMPARE(d->windowTitle(), QString("Select Directory"));
                                          d->setDirectory(newDir);
                                          static_cast<QDialog*>(d)->accept();
                                      }));
    QCOMPARE(label->text(), newDir);
    QCOMPARE(label->toolTip(), newDir);
    QCOMPARE(stored("Software/BaseDir").toString(), newDir);
    QCOMPARE(m_window->settings()->baseDir, newDir);

    // Open folder hands the shown folder to the desktop and returns focus to the capture button.
    QDesktopServices::setUrlHandler("file", this, "recordUrl");
    m_window->Handle_OpenBaseDir();
    QDesktopServices::unsetUrlHandler("file");
    QCOMPARE(m_openedUrls, QList<QUrl>{QUrl::fromLocalFile(newDir)});
}

void TestMainWindow::titleBarMaximiseDragAndDoubleClick() {
    writeIni("[Software]\nisFristStart=1\n");
    MainWindow* w = startWindow();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->activateWindow();
    auto* capture = child<QPushButton>("pBtn_TakePhoto");

    // Drag by the top strip moves the window by the pointer's travel.
    const QPoint start = w->pos();
    const QPoint pressLocal(300, 30);
    const QPoint pressGlobal = start + pressLocal;
    QMouseEvent press(QEvent::MouseButtonPress, pressLocal, pressGlobal, Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent move(QEvent::MouseMove, pressLocal + QPoint(40, 25), pressGlobal + QPoint(40, 25),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    QCOMPARE(w->pos(), start + QPoint(40, 25));
    QMouseEvent release(QEvent::MouseButtonRelease, pressLocal, pressGlobal, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
    // After the release, moving no longer drags.
    const QPoint afterDrag = w->pos();
    QApplication::sendEvent(w, &move);
    QCOMPARE(w->pos(), afterDrag);

    // A press lower in the window is not a drag.
    QMouseEvent lowPress(QEvent::MouseButtonPress, QPoint(300, 200), afterDrag + QPoint(300, 200),
                         Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &lowPress);
    QMouseEvent lowMove(QEvent::MouseMove, QPoint(350, 260), afterDrag + QPoint(350, 260),
                        Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &lowMove);
    QCOMPARE(w->pos(), afterDrag);
    QApplication::sendEvent(w, &release);

    // Maximise button: maximised, focus on the capture button; the same drag does nothing then.
    QTest::mouseClick(child<QPushButton>("pBtn_Max"), Qt::LeftButton);
    QTRY_VERIFY(w->windowState() & Qt::WindowMaximized);
    QVERIFY(capture->hasFocus() || QApplication::focusWidget() == capture);
    const QPoint maxPos = w->pos();
    const QPoint maxPress = maxPos + pressLocal;
    QMouseEvent press2(QEvent::MouseButtonPress, pressLocal, maxPress, Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press2);
    QMouseEvent move2(QEvent::MouseMove, pressLocal + QPoint(40, 25), maxPress + QPoint(40, 25),
                      Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move2);
    QCOMPARE(w->pos(), maxPos);
    QApplication::sendEvent(w, &release);

    // Double-click on the title bar (or the image list) toggles back and forth.
    capture->clearFocus();
    QTest::mouseDClick(child<QWidget>("pQWidget_Title"), Qt::LeftButton, Qt::NoModifier,
                       QPoint(400, 10));
    QTRY_VERIFY(!(w->windowState() & Qt::WindowMaximized));
    QVERIFY(QApplication::focusWidget() == capture);
    QTest::mouseDClick(child<QListWidget>("pListWidget_Images"), Qt::LeftButton);
    QTRY_VERIFY(w->windowState() & Qt::WindowMaximized);

    QTest::mouseClick(child<QPushButton>("pBtn_Min"), Qt::LeftButton);
    QTRY_VERIFY(w->windowState() & Qt::WindowMinimized);
    // From minimised the maximise button restores the normal state.
    m_window->Handle_Max();
    QTRY_COMPARE(w->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized),
                 Qt::WindowStates());
}

void TestMainWindow::languageMenuAndAboutBox() {
    MainWindow* w = startWindow();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    auto* menu = child<QMenu>("pQmenu_Languate");
    QStringList texts;
    for (QAction* a : menu->actions())
        texts << a->text();
    QCOMPARE(texts, (QStringList{QString::fromUtf8("中文"), QString::fromUtf8("繁體"), "English",
                                 QString::fromUtf8("Français"), "Deutsch",
                                 QString::fromUtf8("Español"), "lingua italiana",
                                 QString::fromUtf8("日本語"), QString::fromUtf8("русский")}));

    // The menu opens as a blocking popup (its exact spot is clamped to the small offscreen
    // screen, so only its appearance is checked here).
    bool popupShown = false;
    QTimer::singleShot(100, [&] {
        popupShown = QApplication::activePopupWidget() == menu;
        menu->close();
    });
    QTest::mouseClick(child<QPushButton>("pBtn_Languages"), Qt::LeftButton);
    QVERIFY(popupShown);

    QString aboutText, aboutTitle;
    QVERIFY(answerDialog<QMessageBox>(
        [&] { QTest::mouseClick(child<QPushButton>("pBtn_About"), Qt::LeftButton); },
        [&](QMessageBox* box) {
            aboutTitle = box->windowTitle();
            aboutText = box->text();
            box->accept();
        }));
    QCOMPARE(aboutTitle, QString("About"));
    const QStringList lines = aboutText.split('\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QString("Name:Miravelo"));
    QCOMPARE(lines[1], QString("Ver:1.0.2"));
    QVERIFY(lines[2].startsWith("Company:") && lines[2].size() > 8);

    m_window->Handle_UpdateHelpTip("Place the page flat");
    QCOMPARE(child<QLabel>("pLbl_HelpTips")->text(), QString("Place the page flat"));

    // A help link goes to the desktop's handler and the focus returns to the capture button.
    w->activateWindow();  // the parentless About box took the activation with it
    QVERIFY(QTest::qWaitForWindowActive(w));
    child<QLineEdit>("pLineEdit_NamePre")->setFocus();
    QDesktopServices::setUrlHandler("https", this, "recordUrl");
    m_window->Handle_OpenHelpUrl("https://example.org/help#lighting");
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(m_openedUrls, QList<QUrl>{QUrl("https://example.org/help#lighting")});
    QCOMPARE(QApplication::focusWidget(), child<QWidget>("pBtn_TakePhoto"));
}

void TestMainWindow::closeFadesOutThenCloses() {
    MainWindow* w = startWindow();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTRY_COMPARE(w->windowOpacity(), 1.0);  // the fade-in has ended
    QTest::mouseClick(child<QPushButton>("pBtn_Close"), Qt::LeftButton);
    QTest::qWait(120);
    QVERIFY(w->isVisible());
    QVERIFY(w->windowOpacity() < 1.0);
    QTRY_VERIFY_WITH_TIMEOUT(!w->isVisible(), 1000);
    // Nothing is saved on the way out: there is no settings file and none was made.
    QVERIFY(!QFile::exists(iniPath()));
}

void TestMainWindow::firstPaintIsStampedOnlyWhenAsked() {
    const QString stamp = m_dir->path() + "/first-paint";
    startWindow();
    QTest::qWait(50);
    QVERIFY(!QFile::exists(stamp));
    m_window.reset();

    qputenv("MIRAVELO_FIRST_PAINT_FILE", stamp.toLocal8Bit());
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    auto window = std::make_unique<MainWindow>();
    FirstPaintProbe::installIfRequested(window.get());
    window->show();
    QTRY_VERIFY(QFile::exists(stamp));
    qunsetenv("MIRAVELO_FIRST_PAINT_FILE");
    QFile file(stamp);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const qint64 paintedMs = file.readAll().trimmed().toLongLong() / 1000;
    QVERIFY(paintedMs >= before - 5);
    QVERIFY(paintedMs <= QDateTime::currentMSecsSinceEpoch() + 5);
    // Written once: later paints leave the first moment alone.
    file.close();
    QFile::remove(stamp);
    window->update();
    window->repaint();
    QTest::qWait(50);
    QVERIFY(!QFile::exists(stamp));
}

void TestMainWindow::startUpStepsFollowTheFirstPaint() {
    writeIni("[Software]\nisFristStart=1\nJPGRate=55\nBaseDir=" + m_dir->path().toUtf8() + "\n");

    // Shown: the window paints with its construction values, the settings arrive afterwards.
    m_window = std::make_unique<MainWindow>();
    auto* jpg = child<QSlider>("pSlider_JPGRate");
    int valueAtFirstPaint = -1;
    connect(new FirstPaintProbe(m_window.get()), &FirstPaintProbe::painted, this,
            [&] { valueAtFirstPaint = jpg->value(); });
    m_window->show();
    QTRY_COMPARE(jpg->value(), 55);
    QCOMPARE(valueAtFirstPaint, 80);

    // Never shown: nothing to wait for, the start-up runs on the first turn of the loop.
    m_window = std::make_unique<MainWindow>();
    QTest::qWait(1);
    QCOMPARE(child<QSlider>("pSlider_JPGRate")->value(), 55);
}

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
