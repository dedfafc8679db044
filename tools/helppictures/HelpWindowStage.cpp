#include "HelpWindowStage.h"

#include "app/AppPaths.h"
#include "camera/CCamLabel.h"
#include "camera/CCameraPreview.h"
#include "camera/DeviceController.h"
#include "modes/CPreConfigBar.h"
#include "scene/Scene.h"
#include "ui/Dialog_Navigate.h"
#include "ui/HelpTip.h"
#include "ui/MainWindow.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

// Generous: the machine that renders the pictures may be busy.
constexpr int kWaitMs = 60000;
// Large enough for a sharp page, small enough to capture quickly.
const char* const kResolution = "2592*1944";
constexpr int kCaptures = 3;

template <typename Predicate>
bool waitFor(Predicate done) {
    return QTest::qWaitFor(done, kWaitMs);
}

}  // namespace

HelpWindowStage::HelpWindowStage(const QString& binDir) : m_binDir(QDir(binDir).absolutePath()) {}

HelpWindowStage::~HelpWindowStage() {
    stop();
    QDir(m_outDir).removeRecursively();
}

bool HelpWindowStage::fail(const QString& message) {
    m_error = message;
    return false;
}

bool HelpWindowStage::prepare() {
    if (!m_root.isValid())
        return fail(QStringLiteral("cannot create a private folder"));
    m_appDir = m_root.filePath(QStringLiteral("bin"));
    // A fixed folder, because the image list shows its name: the pictures stay reproducible.
    m_outDir = QDir::tempPath() + QStringLiteral("/miravelo-help/OutPut/");
    QDir(m_outDir).removeRecursively();
    if (!QDir().mkpath(m_appDir) || !QDir().mkpath(m_outDir))
        return fail(QStringLiteral("cannot create %1 or %2").arg(m_appDir, m_outDir));
    const QDir bin(m_binDir);
    const QStringList libraries = bin.entryList({QStringLiteral("lib*.so")}, QDir::Files);
    if (libraries.isEmpty())
        return fail(QStringLiteral("no companion libraries in %1").arg(m_binDir));
    for (const QString& lib : libraries)
        QFile::link(bin.filePath(lib), QDir(m_appDir).filePath(lib));

    // One page lying slightly turned on a wooden desk, evenly lit and without sensor noise, so
    // that every rendering gives the same frames.
    scene::Params p = scene::randomParams(scene::Object::Document, 7, 2592, 1944);
    p.desk = scene::Desk::Wood;
    p.rotationDeg = -5;
    p.centerMm = {0, 0};
    p.fieldWidthMm = 520;
    p.tiltXDeg = p.tiltYDeg = 0;
    p.castShadow = false;
    p.lightUnevenness = 0.1;
    p.noiseSigma = 0;
    const scene::Scene s = scene::render(p);
    const QImage photo(s.rgb.data, s.rgb.cols, s.rgb.rows, int(s.rgb.step), QImage::Format_RGB888);
    const QString scenePath = m_root.filePath(QStringLiteral("page.png"));
    if (!photo.save(scenePath))
        return fail(QStringLiteral("cannot write the camera scene"));
    qputenv("MIRAVELO_CAMERA", "virtual");
    qputenv("MIRAVELO_VCAM_SCENE", scenePath.toUtf8());
    return true;
}

bool HelpWindowStage::writeSettings() {
    // A first start: the window opens at its own size, 1100 x 700. PNG files numbered in order.
    const QByteArray ini =
        "[Software]\nImagetype=2\nNametype=1\nJPGRate=90\nDocRotateAngle=0\n"
        "NamePre=IMG\nisFristStart=1\nBaseDir=" +
        m_outDir.toUtf8() + "\n";
    QFile file(QDir(m_appDir).filePath(QStringLiteral("Tesmora.ini")));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(ini) == ini.size();
}

bool HelpWindowStage::start(const QString& translationFile) {
    stop();
    for (const QString& name : QDir(m_outDir).entryList(QDir::Files))
        QFile::remove(QDir(m_outDir).filePath(name));
    if (!writeSettings())
        return fail(QStringLiteral("cannot write the settings file"));
    const QString qm = m_binDir + QStringLiteral("/Language/") + translationFile;
    if (!m_translator.load(qm))
        return fail(QStringLiteral("cannot load %1").arg(qm));
    QCoreApplication::installTranslator(&m_translator);

    AppPaths::setApplicationDir(m_appDir);
    m_window = std::make_unique<MainWindow>();
    // The hints rotate every ten seconds; held still, the label keeps its first text.
    m_window->helpTip()->blockSignals(true);
    m_window->show();
    if (!waitFor([this] { return m_window->tour() != nullptr; }))
        return fail(QStringLiteral("the window did not start"));
    m_window->tour()->close();
    m_window->resize(Dialog_Navigate::kWidth, Dialog_Navigate::kHeight);

    auto* resolution = qobject_cast<QComboBox*>(widget("pCombo_Resolution"));
    if (!resolution ||
        !waitFor([resolution] { return resolution->findText(QLatin1String(kResolution)) >= 0; }))
        return fail(QStringLiteral("the virtual camera offers no %1 (%2 sizes listed)")
                        .arg(kResolution)
                        .arg(resolution->count()));
    resolution->setCurrentIndex(resolution->findText(QLatin1String(kResolution)));
    CCamLabel* picture = m_window->findChild<CCameraPreview*>()->label();
    if (!waitFor([this, picture] {
            return m_window->device()->previewRunning() && !picture->outlinePolygon().isEmpty();
        }))
        return fail(QStringLiteral("the camera picture shows no page outline"));
    return true;
}

void HelpWindowStage::stop() {
    if (!m_window)
        return;
    m_window->scanModeBar()->WaitForSaves();
    m_window.reset();
    QCoreApplication::removeTranslator(&m_translator);
    AppPaths::setApplicationDir(QString());
}

QWidget* HelpWindowStage::widget(const char* objectName) const {
    return m_window->findChild<QWidget*>(QLatin1String(objectName));
}

QRect HelpWindowStage::rectOf(const QWidget* w, QRect inner) const {
    if (!w)
        return QRect();
    if (inner.isNull())
        inner = w->rect();
    return QRect(w->mapTo(m_window.get(), inner.topLeft()), inner.size());
}

bool HelpWindowStage::showScanModes() {
    m_window->scanModeBar()->TabWidget()->setCurrentIndex(0);
    qobject_cast<QTabWidget*>(widget("ptabwidget_RightSetZone_Set"))->setCurrentIndex(0);
    return true;
}

bool HelpWindowStage::showSettings() {
    return showScanModes();
}

bool HelpWindowStage::showImageList() {
    auto* list = qobject_cast<QListView*>(widget("pListWidget_Images"));
    auto* capture = qobject_cast<QPushButton*>(widget("pBtn_TakePhoto"));
    if (!list || !capture)
        return fail(QStringLiteral("no image list or capture button"));
    // Captured one after the other, as a user does: each file is listed before the next press.
    for (int i = list->model()->rowCount(); i < kCaptures; ++i) {
        capture->click();
        if (!waitFor([list, i] { return list->model()->rowCount() > i; }))
            return fail(QStringLiteral("capture %1 gave no file").arg(i + 1));
    }
    // Two of them chosen, as for an export.
    list->selectionModel()->clearSelection();
    for (int row : {0, 1})
        list->selectionModel()->select(list->model()->index(row, 0), QItemSelectionModel::Select);
    qobject_cast<QTabWidget*>(widget("ptabwidget_RightSetZone_Set"))->setCurrentIndex(2);
    return true;
}

QImage HelpWindowStage::grab() {
    QApplication::processEvents();
    // The help icon blinks with the half-second tick; it is shown at rest. Nothing runs between
    // this and the grab, so no tick can come in between.
    if (auto* icon = qobject_cast<QLabel*>(widget("pLbl_HelpIcon")))
        icon->setPixmap(QPixmap(QStringLiteral(":/new/prefix1/Res/UI/help.png")));
    return m_window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}
