#pragma once

#include <QStringList>

class QPagedPaintDevice;

// Prints pictures one per page, in the order given: each is scaled to fit the printable area with
// its proportions kept and placed at the area's top-left corner.
class ImagePrinter {
public:
    // Paints on `device` (a printer, or a PDF writer) and returns the number of pages. A file
    // that cannot be read leaves its page empty, so the pages still match the list.
    static int print(const QStringList& paths, QPagedPaintDevice* device);
};
