#include "ui/SettingsPanel.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "app/StyleSheet.h"
#include "output/ImageListPanel.h"
#include "camera/CameraPage.h"
#include "ui/ImageSetPage.h"

SettingsPanel::SettingsPanel(AppSettings* settings, Log* log, QWidget* parent)
    : QWidget(parent),
      m_tabs(new QTabWidget(this)),
      m_camera(new CameraPage),
      m_imageSet(new ImageSetPage(settings)),
      m_imageList(new ImageListPanel(settings, log)) {
    setObjectName("pQWid_RightSetZone_Main");
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);

    m_tabs->setObjectName("ptabwidget_RightSetZone_Set");
    m_tabs->setTabPosition(QTabWidget::East);
    m_tabs->setMaximumWidth(260);
    m_tabs->addTab(m_camera, QIcon(":/new/prefix1/Res/UI/TabBar_CamSet_W.png"), tr("Camera"));
    m_tabs->addTab(m_imageSet, QIcon(":/new/prefix1/Res/UI/TabBar_ImageSet_W.png"), tr("Img Set"));
    m_tabs->addTab(m_imageList, QIcon(":/new/prefix1/Res/UI/TabBar_Imagelist_W.png"),
                   tr("Image list"));
    box->addWidget(m_tabs);
    // The zone is at most 260 pixels wide; a slightly smaller text keeps its longer captions
    // ("TakePhoto Timer:", "Open Vice Cam" beside "Merge Sub Cam") whole. Rules with an object name
    // keep their own size.
    setStyleSheet(LoadStyleSheet(":/Black_Right_QTabWidget.css") +
                  "\nQLabel, QCheckBox, QComboBox, QLineEdit, QSpinBox, "
                  "QPushButton { font-size: 12px; }\n"
                  "QCheckBox { font-size: 11px; spacing: 3px; }\n");
}

void SettingsPanel::showTab(Tab tab) {
    m_tabs->setCurrentIndex(tab);
}

bool SettingsPanel::isTabShown(Tab tab) const {
    return m_tabs->currentIndex() == tab;
}
