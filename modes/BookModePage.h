#pragma once

#include "modes/ScanModePage.h"

class CImagePreview;

// Book mode: the two page tiles and the flattening, colour and merge options. Splitting and
// flattening spreads are not part of this build yet: a capture in this mode saves nothing.
class BookModePage : public ScanModePage {
    Q_OBJECT

public:
    BookModePage(OutputPipeline* output, ImageProcessor* processor, QWidget* parent = nullptr);

    void takeCapture(const QImage& capture) override;
    void reset() override;

public slots:
    // Nothing is kept for a later save while book captures are not processed.
    void save() {}

private:
    CImagePreview* m_left = nullptr;
    CImagePreview* m_right = nullptr;
};
