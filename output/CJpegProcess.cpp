#include "output/CJpegProcess.h"

#include "app/LibraryLoader.h"
#include "app/LogCategories.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <type_traits>
#include <vector>

const char* const CJpegProcess::kPdfLibrary = "libJPGtoPDF.so";
const char* const CJpegProcess::kWordLibrary = "libJpgintoWord.so";

namespace {

constexpr double kA4WidthInches = 8.27;
constexpr double kA4HeightInches = 11.69;

// Converts a path to the bytes the file system expects, refusing one that would come back as a
// different name: a lossy conversion would hand the library some other file, or none.
bool localBytes(const QString& path, QByteArray* out) {
    *out = QFile::encodeName(path);
    return QFile::decodeName(*out) == path;
}

// The fixed table the libraries receive: kMaxFiles zero-filled entries of kPathBytes bytes. It
// is released on every return, whatever the outcome.
class FileTable {
public:
    FileTable()
        : storage_(std::size_t(CJpegProcess::kMaxFiles) * CJpegProcess::kPathBytes, '\0'),
          pointers_(CJpegProcess::kMaxFiles) {
        for (int i = 0; i < CJpegProcess::kMaxFiles; ++i)
            pointers_[std::size_t(i)] = &storage_[std::size_t(i) * CJpegProcess::kPathBytes];
    }

    // 0, or the refusal code. Never writes past an entry: the last byte of each stays zero.
    int fill(const QStringList& files) {
        if (files.size() > CJpegProcess::kMaxFiles) {
            qCDebug(lcOutput).nospace() << "Too many files for one document: " << files.size()
                                        << " (at most " << CJpegProcess::kMaxFiles << ")";
            return CJpegProcess::kErrTooManyFiles;
        }
        for (int i = 0; i < files.size(); ++i) {
            QByteArray bytes;
            if (!localBytes(files.at(i), &bytes) || bytes.size() > CJpegProcess::kPathBytes - 1) {
                qCDebug(lcOutput).nospace()
                    << "Path refused (too long or not representable): " << files.at(i);
                return CJpegProcess::kErrPathRejected;
            }
            std::copy(bytes.constBegin(), bytes.constEnd(), pointers_[std::size_t(i)]);
        }
        return 0;
    }

    const char* const* table() const { return pointers_.data(); }

private:
    std::vector<char> storage_;
    std::vector<char*> pointers_;
};

}  // namespace

CJpegProcess::CJpegProcess(QObject* parent) : QObject(parent) {
    if (LoadLibraries() >= 0)
        m_nLoaded = 1;
    else
        qCDebug(lcOutput) << "Can not load image process core";
}

namespace {
// Loads one export library and resolves its entry point. On failure it writes the debug lines
// and sets *code to the load or the resolve failure code.
template <typename Fn>
Fn* loadEntry(const QString& fileName, const char* loadMessage, const char* api, int loadCode,
              int* code) {
    LibraryLoader lib(fileName);
    if (!lib.load()) {
        qCDebug(lcOutput) << loadMessage;
        qCDebug(lcOutput).noquote() << lib.errorString();
        *code = loadCode;
        return nullptr;
    }
    Fn* fn = nullptr;
    const LibraryLoader::Symbol symbols[] = {LibraryLoader::entry(api, fn)};
    if (lib.resolve(symbols) >= 0) {
        qCDebug(lcOutput) << (QByteArray("Can not load API ") + api + "!\n\r").constData();
        *code = loadCode - 1;
    }
    return fn;
}

// An entry point the program can do without; left null when the library lacks it.
template <typename Fn>
void resolveOptional(const QString& fileName, const char* api, Fn& slot) {
    LibraryLoader lib(fileName);
    const LibraryLoader::Symbol symbols[] = {LibraryLoader::entry(api, slot)};
    if (!lib.load() || lib.resolve(symbols) >= 0)
        slot = nullptr;
}
}  // namespace

int CJpegProcess::LoadLibraries() {
    int code = 1;
    m_pfnConvertPdf = loadEntry<std::remove_pointer_t<KELM_ConvertPDF_Fn>>(
        kPdfLibrary, "Can not load JPGtoPDF.dll!\n\r", "KELM_ConvertPDF", -4, &code);
    if (!m_pfnConvertPdf)
        return code;
    resolveOptional(kPdfLibrary, "KELM_ConvertPDFWithProgress", m_pfnConvertPdfProgress);
    m_pfnJpgintoWord = loadEntry<std::remove_pointer_t<KELM_JpgintoWord_Fn>>(
        kWordLibrary, "Can not load ToWord.dll!\n\r", "KELM_JpgintoWord", -6, &code);
    if (!m_pfnJpgintoWord)
        return code;
    resolveOptional(kWordLibrary, "KELM_JpgintoWordWithProgress", m_pfnJpgintoWordProgress);
    return 1;
}

int CJpegProcess::reportProgress(int done, int total, void* self) {
    return static_cast<CJpegProcess*>(self)->m_progress(done, total) ? 0 : 1;
}

int CJpegProcess::ToPdf(QStringList files, QString outPath) {
    if (!m_pfnConvertPdf)
        return -1;
    FileTable table;
    const int refused = table.fill(files);
    if (refused < 0)
        return refused;
    if (files.isEmpty())
        return -1;
    QByteArray out;
    if (!localBytes(outPath, &out)) {
        qCDebug(lcOutput).nospace() << "Path refused (not representable): " << outPath;
        return kErrPathRejected;
    }
    qCDebug(lcOutput) << "Start to Process PDF!";
    const int ret =
        m_progress && m_pfnConvertPdfProgress
            ? m_pfnConvertPdfProgress(table.table(), files.size(), kA4WidthInches, kA4HeightInches,
                                      out.constData(), reportProgress, this)
            : m_pfnConvertPdf(table.table(), files.size(), kA4WidthInches, kA4HeightInches,
                              out.constData());
    qCDebug(lcOutput).nospace() << "Ret PDF:" << ret;
    return ret;
}

int CJpegProcess::ToWord(QStringList files, QString outPath) {
    if (!m_pfnJpgintoWord)
        return -1;
    // The library takes the platform's own separators; on Linux "\" is an ordinary file-name
    // character, so only Windows gets its "/" turned into "\".
    for (QString& f : files)
        f = QDir::toNativeSeparators(f);
    FileTable table;
    const int refused = table.fill(files);
    if (refused < 0)
        return refused;
    if (files.isEmpty())
        return -1;
    QByteArray out;
    if (!localBytes(outPath, &out)) {
        qCDebug(lcOutput).nospace() << "Path refused (not representable): " << outPath;
        return kErrPathRejected;
    }
    const int ret = m_progress && m_pfnJpgintoWordProgress
                        ? m_pfnJpgintoWordProgress(table.table(), files.size(), 0, out.constData(),
                                                   reportProgress, this)
                        : m_pfnJpgintoWord(table.table(), files.size(), 0, out.constData());
    qCDebug(lcOutput).nospace() << "Ret Word:" << ret;
    return ret;
}
