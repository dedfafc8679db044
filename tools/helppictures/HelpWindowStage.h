#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QTemporaryDir>
#include <QTranslator>

#include <memory>

class MainWindow;
class QWidget;

// The real main window set up as a fixed scene: a private program folder with the companion
// libraries of the build, settings written for the occasion, the virtual document camera showing
// one rendered page without noise, the hints held at their first text. Each state the tour
// explains is reached the way a user reaches it, so the pictures show what the window really
// shows in that state.
class HelpWindowStage {
public:
    // binDir: the build's program folder (libraries and Language/*.qm).
    explicit HelpWindowStage(const QString& binDir);
    ~HelpWindowStage();

    // Prepares the folder and the camera scene; false (with error()) when that fails.
    bool prepare();
    // Starts a window in the language of the translation file (for example "french.qm") and waits
    // until its camera shows the page with the outline found.
    bool start(const QString& translationFile);
    void stop();

    // The states of the three pictures.
    bool showScanModes();
    bool showSettings();
    bool showImageList();

    MainWindow* window() const { return m_window.get(); }
    // A widget of the window by object name (nullptr when there is none).
    QWidget* widget(const char* objectName) const;
    // The widget's rectangle, or a sub-rectangle of it, in window coordinates.
    QRect rectOf(const QWidget* widget, QRect inner = QRect()) const;
    // The window as painted now.
    QImage grab();
    QString error() const { return m_error; }

private:
    bool fail(const QString& message);
    bool writeSettings();

    QString m_binDir;
    QTemporaryDir m_root;
    QString m_appDir;
    QString m_outDir;
    QTranslator m_translator;
    std::unique_ptr<MainWindow> m_window;
    QString m_error;
};
