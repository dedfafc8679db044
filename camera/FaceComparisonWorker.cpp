#include "camera/FaceComparisonWorker.h"

void FaceComparisonWorker::compare(quint64 run, FaceLibrary library, QImage face, QImage main) {
    emit compared(run, library.Compare(face, main), face);
}
