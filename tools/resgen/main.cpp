// Draws every picture of the resource bundle but the tour pictures (tools/helppictures renders
// those from the real window) and the capture sound into the folder given on the
// command line (the repository's Res/). Run on the offscreen platform.
#include "Painting.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        fprintf(stderr, "usage: resgen <Res folder>\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    drawIcons(root);
    drawPictures(root);
    writeBeep(root);
    writeScalableIcon(root);
    return 0;
}
