#pragma once

// The real main window in a private application folder: its own Tesmora.ini, the companion
// libraries of the build linked beside it, and an output folder of its own.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "app/AppPaths.h"
#include "modes/CPreConfigBar.h"
#include "ui/MainWindow.h"

struct MainWindowFixture {
    QTemporaryDir appDir;
    QTemporaryDir outDir;
    MainWindow* window = nullptr;
    CPreConfigBar* bar = nullptr;

    // extraSoftware: more "key=value" lines for the Software group.
    bool start(const QStringList& extraSoftware = {}) {
        const QDir bin(MIRAVELO_BIN_DIR);
        for (const QString& lib : bin.entryList({"*.so"}, QDir::Files))
            QFile::link(bin.filePath(lib), QDir(appDir.path()).filePath(lib));
        QFile ini(QDir(appDir.path()).filePath("Tesmora.ini"));
        if (!ini.open(QIODevice::WriteOnly))
            return false;
        QByteArray text =
            "[Software]\nImagetype=2\nisFristStart=0\nNametype=1\nJPGRate=90\n"
            "DocRotateAngle=0\nNamePre=IMG\nBaseDir=" +
            outDir.path().toUtf8() + "\n";
        for (const QString& line : extraSoftware)
            text += line.toUtf8() + "\n";
        ini.write(text);
        ini.close();
        AppPaths::setApplicationDir(appDir.path());
        window = new MainWindow;
        window->show();
        if (!QTest::qWaitForWindowExposed(window))
            return false;
        QTest::qWait(50);  // the start-up timer
        bar = window->findChild<CPreConfigBar*>();
        return bar != nullptr;
    }

    ~MainWindowFixture() {
        if (bar)
            bar->WaitForSaves();
        delete window;
    }

    template <typename T>
    T* find(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    QString out(const QString& name) const { return QDir(outDir.path()).filePath(name); }
};
