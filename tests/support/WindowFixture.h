#pragma once

// The real main window in a private application folder: its own Tesmora.ini, the companion
// libraries of the build linked beside it, and an output folder of its own. Shared by every test
// that drives the whole window.
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "app/AppPaths.h"
#include "modes/CPreConfigBar.h"
#include "ui/MainWindow.h"

struct WindowFixture {
    QTemporaryDir appDir;
    QTemporaryDir outDir;
    std::unique_ptr<MainWindow> window;

    // The settings most capture tests use: PNG files named by index into outDir, no first start.
    QByteArray captureIni(const QStringList& extraSoftware = {}) const {
        QByteArray text =
            "[Software]\nImagetype=2\nisFristStart=0\nNametype=1\nJPGRate=90\n"
            "DocRotateAngle=0\nNamePre=IMG\nBaseDir=" +
            outDir.path().toUtf8() + "\n";
        for (const QString& line : extraSoftware)
            text += line.toUtf8() + "\n";
        return text;
    }

    QString iniPath() const { return appDir.filePath("Tesmora.ini"); }
    bool writeIni(const QByteArray& content) const {
        QFile file(iniPath());
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(content) == content.size();
    }
    QByteArray iniBytes() const {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Links the built libraries beside the program; without the camera ones when asked.
    void linkLibraries(bool withCamera = true) const {
        const QDir bin(MIRAVELO_BIN_DIR);
        for (const QString& lib : bin.entryList({"lib*.so"}, QDir::Files))
            if (withCamera || !lib.startsWith("libKELM_CamCtl"))
                QFile::link(bin.filePath(lib), appDir.filePath(lib));
    }

    // Creates and shows the window, and waits until its start-up step has run.
    MainWindow* start(bool waitForStartUp = true) {
        AppPaths::setApplicationDir(appDir.path());
        window = std::make_unique<MainWindow>();
        window->show();
        if (waitForStartUp && !QTest::qWaitFor([this] { return startedUp(); }, 20000))
            return nullptr;
        return window.get();
    }
    bool startedUp() const { return window->findChild<QMenu*>("pQmenu_ImageList") != nullptr; }

    void stop() {
        if (window)
            window->scanModeBar()->WaitForSaves();
        window.reset();
    }
    ~WindowFixture() {
        stop();
        AppPaths::setApplicationDir(QString());
    }

    template <typename T>
    T* find(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QString out(const QString& name) const { return QDir(outDir.path()).filePath(name); }
};
