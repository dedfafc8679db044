// The nine language slots. A language is applied by restarting: the running process never
// retranslates itself, so every text is translated once, at construction.
#include "camera/DeviceController.h"
#include "ui/MainWindow.h"

#include <QCoreApplication>

#include "app/Language.h"

void MainWindow::changeLanguage(const QString& storedValue) {
    // The next instance starts before this one has left its loop: free the camera first, so
    // that it can open it. SUB CAMERA: stop the sub camera here too once it exists.
    stopSubCameras();
    m_device->shutdown();
    Language::store(storedValue);
    // The loop ends once this slot returns; the new instance starts meanwhile. Picking the
    // active language restarts all the same.
    QCoreApplication::quit();
    emit restarting();
    Language::startNewInstance();
}

void MainWindow::Handle_ChangeLanguage_en_us() {
    changeLanguage("English");
}

void MainWindow::Handle_ChangeLanguage_french() {
    changeLanguage("French");
}

void MainWindow::Handle_ChangeLanguage_zh_trd() {
    changeLanguage("TrdChina");
}

void MainWindow::Handle_ChangeLanguage_German() {
    changeLanguage("German");
}

void MainWindow::Handle_ChangeLanguage_Spanish() {
    changeLanguage("Spanish");
}

void MainWindow::Handle_ChangeLanguage_Italian() {
    changeLanguage("Italian");
}

void MainWindow::Handle_ChangeLanguage_Japanese() {
    changeLanguage("Japanese");
}

void MainWindow::Handle_ChangeLanguage_Russian() {
    changeLanguage("Russian");
}

void MainWindow::Handle_ChangeLanguage_zh_cn() {
    changeLanguage("SChina");
}
