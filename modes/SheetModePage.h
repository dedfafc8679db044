#pragma once

#include "modes/ScanModePage.h"

class CImagePreview;
class QTextBrowser;

// Sheet mode: the cut page's preview, the QR texts and the naming and record options. QR
// decoding and naming are not part of this build yet: a capture in this mode saves nothing.
class SheetModePage : public ScanModePage {
    Q_OBJECT

public:
    SheetModePage(OutputPipeline* output, ImageProcessor* processor, QWidget* parent = nullptr);

    void takeCapture(const QImage& capture) override;
    void reset() override;

public slots:
    // Nothing is kept for a later save while sheet captures are not processed.
    void save() {}

private:
    CImagePreview* m_preview = nullptr;
    QTextBrowser* m_codes = nullptr;
};
