#include "output/ImageCaptionDelegate.h"

#include <QApplication>
#include <QStyle>

namespace {
// "IMG" or a short prefix stays readable in front of the ellipsis.
constexpr int kKeptStart = 3;
constexpr double kCaptionScale = 0.85;
const QString kEllipsis = QStringLiteral("\u2026");
}  // namespace

QString ImageCaptionDelegate::shortened(const QString& text, const QFontMetrics& metrics,
                                        int width) {
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const QString start = text.left(kKeptStart) + kEllipsis;
    for (int tail = text.size() - kKeptStart - 1; tail > 0; --tail) {
        const QString candidate = start + text.right(tail);
        if (metrics.horizontalAdvance(candidate) <= width)
            return candidate;
    }
    return metrics.elidedText(text, Qt::ElideMiddle, width);
}

void ImageCaptionDelegate::initStyleOption(QStyleOptionViewItem* option,
                                           const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    // A size smaller than the panel's text: a thumbnail is only 90 pixels wide.
    option->font.setPointSizeF(option->font.pointSizeF() * kCaptionScale);
    option->fontMetrics = QFontMetrics(option->font);
    const QStyle* style = option->widget ? option->widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option->widget);
    option->text =
        shortened(option->text, option->fontMetrics, option->rect.width() - 2 * margin - 2);
}
