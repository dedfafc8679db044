#include "textread/Orientation.h"

#include "OsdEngine.h"
#include "LetterZones.h"
#include "LineAxis.h"
#include "LineEnds.h"
#include "PageReducer.h"

#include <QTransform>

#include <algorithm>
#include <cmath>

#include <opencv2/core.hpp>

namespace textread {

namespace {

// Weights that bring the three kinds of evidence to one scale, where 1 is about what each says
// on a page of ordinary text: Tesseract's letter shapes (a difference of log likelihoods), the ink
// above and below the lines' core, and the scatter of the lines' ends.
constexpr double kShapeWeight = 0.5;
constexpr double kZoneWeight = 10.0;
constexpr double kEndWeight = 4.0;
// Text keeps well under a third more ink above its lines' core than below; more is a pattern
// that only looks like lines, and must not outweigh the rest.
constexpr double kMaxZones = 0.3;
// Below this the evidence is too thin to turn a page: a few stray words, or kinds of evidence
// that disagree.
constexpr float kMinConfidence = 1.0f;

}  // namespace

Orientation detectOrientation(const QImage& page) {
    Orientation result;
    PageReducer::Survey survey;
    const cv::Mat reduced = PageReducer().reduce(page, &survey);
    if (reduced.empty())
        return result;
    // The lines' direction leaves two turns; three kinds of evidence choose between them, each
    // read with the lines running across.
    const LineAxis::Axis axis = LineAxis::of(reduced);
    if (axis == LineAxis::Unclear)
        return result;
    cv::Mat across = reduced, lettersAcross = survey.letters;
    if (axis == LineAxis::Down) {
        cv::rotate(reduced, across, cv::ROTATE_90_CLOCKWISE);
        cv::rotate(survey.letters, lettersAcross, cv::ROTATE_90_CLOCKWISE);
    }
    // Tesseract finding letters at all is what tells text from wood grain, fabric or a photo.
    float scores[4] = {};
    if (!OsdEngine::forThisThread().detect(across, scores) || scores[0] == scores[2])
        return result;
    const double shapes = scores[0] - scores[2];
    const double zones = std::clamp(LetterZones::upness(across), -kMaxZones, kMaxZones);
    const double ends = LineEnds::raggedRight(lettersAcross, survey.letterTolerance);
    const double evidence = kShapeWeight * shapes + kZoneWeight * zones + kEndWeight * ends;
    result.confidence = float(std::abs(evidence));
    if (result.confidence < kMinConfidence)
        return result;
    result.enoughText = true;
    const int quarter = axis == LineAxis::Across ? 0 : 1;
    result.turn = (evidence > 0 ? quarter : quarter + 2) * 90;
    return result;
}

QImage turned(const QImage& page, int turn) {
    turn = ((turn % 360) + 360) % 360;
    if (page.isNull() || turn == 0 || turn % 90 != 0)
        return page;
    return page.transformed(QTransform().rotate(turn));
}

}  // namespace textread
