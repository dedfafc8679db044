#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// Some camera models deliver their largest picture under a larger listed size: the selector
// offers the listed size, the camera is opened at its real (requested) size, and an Original
// capture is enlarged to the listed size afterwards. This is the one place that knows the rule.
class ResolutionSubstitution {
public:
    // Looks the camera up by its largest real size; no entry means no substitution.
    void selectForCamera(int largestWidth, int largestHeight);
    // Puts the listed size in front of `sizes` when substitution is `enabled` and the camera
    // offers the requested size; the result says whether it did.
    bool offerListedSize(QStringList& sizes, bool enabled);

    // The size to open for a selector text: the requested size for the listed entry, else the
    // text's own size (800 x 600 for a text that is not a size).
    QSize openSizeFor(const QString& selectorText) const;
    // Whether the selector text is the listed entry of a camera that offers it.
    bool isListedChoice(const QString& selectorText) const;

    QSize listed{4472, 3354};
    QSize requested{3840, 2880};
    bool listedOffered = false;

    static QString text(const QSize& size);
};
