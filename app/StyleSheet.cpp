#include "app/StyleSheet.h"

#include <QApplication>
#include <QColor>
#include <QDebug>
#include <QFile>
#include <QPalette>

void InitResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    Q_UNUSED(done);
}

namespace {
// Registers the bundle when the program loads, for every program that uses the style sheets
// (the main window does): pictures read before the first sheet are found too.
struct ResourceRegistration {
    ResourceRegistration() { InitResources(); }
} g_resourceRegistration;
}  // namespace

QString LoadStyleSheet(const QString& path) {
    InitResources();
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << QStringLiteral("CSS File") + path + QStringLiteral(" is not found!");
        return QString();
    }
    QByteArray bytes = file.readAll();
    const int nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    return QString::fromLatin1(bytes);
}

bool ApplyApplicationStyleSheet() {
    InitResources();
    const QString path = QStringLiteral(":/new/prefix1/Black_Common.css");
    if (!QFile::exists(path)) {
        qDebug() << "CSS File is not found!";
        return false;
    }
    qApp->setStyleSheet(LoadStyleSheet(path));
    qApp->setPalette(QPalette(QColor(0xF0, 0xF0, 0xF0)));
    return true;
}
