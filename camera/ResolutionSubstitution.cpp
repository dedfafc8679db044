#include "camera/ResolutionSubstitution.h"

namespace {

struct Entry {
    QSize largest, listed, requested;
};
const Entry kEntries[] = {
    {{3264, 2448}, {3672, 2856}, {3264, 2448}}, {{3840, 2880}, {4472, 3354}, {3840, 2880}},
    {{4208, 3120}, {4640, 3452}, {4208, 3120}}, {{4192, 3104}, {4640, 3452}, {4192, 3104}},
    {{4640, 3152}, {4898, 3676}, {4640, 3152}},
};

}  // namespace

QString ResolutionSubstitution::text(const QSize& size) {
    return QString::number(size.width()) + "*" + QString::number(size.height());
}

void ResolutionSubstitution::selectForCamera(int largestWidth, int largestHeight) {
    if (qint64(largestWidth) * largestHeight == 0)
        return;
    for (const Entry& e : kEntries) {
        if (e.largest == QSize(largestWidth, largestHeight)) {
            listed = e.listed;
            requested = e.requested;
            return;
        }
    }
}

bool ResolutionSubstitution::offerListedSize(QStringList& sizes, bool enabled) {
    listedOffered = enabled && sizes.contains(text(requested));
    if (listedOffered)
        sizes.prepend(text(listed));
    return listedOffered;
}

bool ResolutionSubstitution::isListedChoice(const QString& selectorText) const {
    return listedOffered && selectorText == text(listed);
}

QSize ResolutionSubstitution::openSizeFor(const QString& selectorText) const {
    if (isListedChoice(selectorText))
        return requested;
    const int star = selectorText.indexOf('*');
    if (star <= 0)
        return QSize(800, 600);
    return QSize(selectorText.left(star).toInt(), selectorText.mid(star + 1).toInt());
}
