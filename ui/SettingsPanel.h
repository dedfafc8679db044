#pragma once

#include <QWidget>

class AppSettings;
class CameraPage;
class ImageListPanel;
class ImageSetPage;
class Log;
class QTabWidget;

// The settings zone on the right of the window: three tabs, each page its own component.
class SettingsPanel : public QWidget {
    Q_OBJECT

public:
    enum Tab { CameraTab, ImageSetTab, ImageListTab };

    SettingsPanel(AppSettings* settings, Log* log, QWidget* parent = nullptr);

    CameraPage* cameraPage() const { return m_camera; }
    ImageSetPage* imageSetPage() const { return m_imageSet; }
    ImageListPanel* imageList() const { return m_imageList; }

    void showTab(Tab tab);
    bool isTabShown(Tab tab) const;

private:
    QTabWidget* m_tabs;
    CameraPage* m_camera;
    ImageSetPage* m_imageSet;
    ImageListPanel* m_imageList;
};
