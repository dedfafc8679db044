#pragma once

#include <QStyledItemDelegate>

// Draws the image list's captions shortened in the middle, keeping the start of the name and as
// much of its end as fits: names of one capture series share their start and differ at their
// end (counter, time, side), so the end is what tells the thumbnails apart.
class ImageCaptionDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // `text` shortened to `width` pixels of `metrics`: its first kept characters, "…", its end.
    static QString shortened(const QString& text, const QFontMetrics& metrics, int width);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
