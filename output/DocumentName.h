#pragma once

#include <QString>
#include <QStringList>

// How made documents are named: a prefix and the local time ("PDF_20240117093015.pdf"), and never
// the name of a file that exists: "_2", "_3", ... go before the extension. Shared by the export
// dialog and the OCR program, which names its PDF and text file the same way.
class DocumentName {
public:
    // prefix + the current local time as yyyyMMddhhmmss.
    static QString stamped(const QString& prefix);
    // path, or, when a file of that name exists, the first free name with "_2", "_3", ... before
    // the extension.
    static QString freeName(const QString& path);
    // stem (a path without extension), or the first stem_N, such that no file stem + suffix
    // exists for any of the suffixes: files made together keep one name.
    static QString freeStem(const QString& stem, const QStringList& suffixes);
};
