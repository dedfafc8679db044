#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

#include "JPGtoPDF.h"
#include "JpgintoWord.h"

// Program-side access to the two document export libraries. Loads libJPGtoPDF and libJpgintoWord
// from the program's folder and hands them a fixed table of file names. Results follow the
// libraries: not negative is success. The codes of this class itself:
//   -1 an entry point is missing, or there are no files;
//   -4 .. -7 from LoadLibraries(), see there;
//   -8 more files than the table holds (kMaxFiles): the request is refused, nothing is written;
//   -9 a path that does not fit its table entry (kPathBytes - 1 bytes in the local 8-bit
//      encoding) or cannot be expressed in that encoding at all: refused likewise.
class CJpegProcess : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxFiles = 512;
    static constexpr int kPathBytes = 512;
    static constexpr int kErrTooManyFiles = -8;
    static constexpr int kErrPathRejected = -9;

    // Library file names in the program's folder.
    static const char* const kPdfLibrary;
    static const char* const kWordLibrary;

    explicit CJpegProcess(QObject* parent = nullptr);

    // 1 on success; -4 PDF library missing, -5 its entry point missing, -6 Word library missing,
    // -7 its entry point missing. Stops at the first failure. The libraries stay loaded for the
    // rest of the process, so the resolved pointers never dangle.
    int LoadLibraries();

    // All pages on A4.
    int ToPdf(QStringList files, QString outPath);
    // The third argument of the Word entry point is always 0.
    int ToWord(QStringList files, QString outPath);

    // 1 when the load made by the constructor succeeded, else 0.
    int IsLoaded() const { return m_nLoaded; }

    // Told after each page how many of how many are done; answering false stops the conversion,
    // which then fails with the library's "cancelled" code and leaves no file. Called on the
    // thread that runs ToPdf / ToWord.
    using Progress = std::function<bool(int done, int total)>;
    void setProgress(Progress progress) { m_progress = std::move(progress); }

private:
    static int reportProgress(int done, int total, void* self);

    KELM_ConvertPDF_Fn m_pfnConvertPdf = nullptr;
    KELM_JpgintoWord_Fn m_pfnJpgintoWord = nullptr;
    // Optional: libraries without them still convert, only without progress.
    KELM_ConvertPDFWithProgress_Fn m_pfnConvertPdfProgress = nullptr;
    KELM_JpgintoWordWithProgress_Fn m_pfnJpgintoWordProgress = nullptr;
    Progress m_progress;
    int m_nLoaded = 0;
};
