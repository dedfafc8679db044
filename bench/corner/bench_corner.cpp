// The corner editor on an 8 MP capture: from the request to the first painted frame, and the
// re-cut of the page along the accepted corners (the library call the document mode saves with).
//
//   QT_QPA_PLATFORM=offscreen bench_corner [rounds = 10] [width = 3264] [height = 2448]

#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "../../tests/support/MatImage.h"
#include "app/AppPaths.h"
#include "modes/ImageProcessor.h"
#include "scene/Scene.h"
#include "ui/CornerEditor.h"

namespace {

class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 10;
    const int w = argc > 2 ? std::atoi(argv[2]) : 3264;
    const int h = argc > 3 ? std::atoi(argv[3]) : 2448;
    AppPaths::setApplicationDir(MIRAVELO_BIN_DIR);
    ImageProcessor processor;
    if (processor.Load() != 1) {
        std::fprintf(stderr, "image-processing library not found in %s\n", MIRAVELO_BIN_DIR);
        return 1;
    }
    std::vector<double> open, recut;
    for (int i = 0; i < rounds; ++i) {
        const scene::Scene s =
            scene::render(scene::randomParams(scene::Object::Document, 500u + uint32_t(i), w, h));
        QImage capture = toQImage(s.rgb);
        QPolygonF outline;
        for (const cv::Point2f& p : s.truth.corners)
            outline << QPointF(p.x, p.y);

        QElapsedTimer t;
        t.start();
        CornerEditor editor(capture, outline);
        PaintWatch watch;
        editor.installEventFilter(&watch);
        editor.show();
        while (!watch.painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        open.push_back(t.nsecsElapsed() / 1e6);

        int corners[8];
        ImageProcessor::CornersOf(editor.corners(), corners);
        t.restart();
        const QImage page =
            ImageProcessor::TakeImage(processor.CutDocumentAt(&capture, corners, false));
        recut.push_back(t.nsecsElapsed() / 1e6);
        if (page.isNull())
            std::printf("round %d: no page cut\n", i);
    }
    std::printf(
        "%d x %d capture, %d rounds: editor open to first paint median %.0f ms (max %.0f); "
        "re-cut median %.0f ms (max %.0f)\n",
        w, h, rounds, median(open), *std::max_element(open.begin(), open.end()), median(recut),
        *std::max_element(recut.begin(), recut.end()));
    return 0;
}
