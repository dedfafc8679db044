#pragma once

#include <QDateTime>
#include <QString>

// The day's QR record file in dir: dir + "/QRCode" + date as "yyyy-dd-MM" + ".txt" (year, day,
// month, the order the files have always been named in).
QString QRRecordFilePath(const QString& dir, const QDate& day);

// Appends "[yyyy-dd-MM hh:mm:ss]  [text]" and a line end to the record file of `when`'s day in
// dir, as UTF-8 whatever the locale, creating the file when it is missing. False, with the reason
// in *error, when the record could not be written whole (a directory of that name, a folder that
// cannot be written, a full disk).
bool RecordQRContent(const QString& dir, const QString& text, const QDateTime& when,
                     QString* error = nullptr);
