// The scalable application icon of the desktop theme, drawn with the same strokes as the logo.
#include "Painting.h"

#include <QDir>
#include <QFileInfo>
#include <QSvgGenerator>

#include <cstdio>
#include <cstdlib>

void writeScalableIcon(const QString& root) {
    const QString path =
        root + QStringLiteral("/icons/hicolor/scalable/apps/%1.svg").arg(QLatin1String(kAppId));
    QDir().mkpath(QFileInfo(path).path());
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(500, 500));
    svg.setViewBox(QRect(0, 0, 500, 500));
    svg.setTitle(QStringLiteral("Miravelo"));
    QPainter p;
    if (!p.begin(&svg)) {
        fprintf(stderr, "cannot write %s\n", qPrintable(path));
        exit(1);
    }
    p.setRenderHint(QPainter::Antialiasing);
    paintLogo(p);
    p.end();
}
