#include "OsdEngine.h"

#include "textread/Orientation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <tesseract/baseapi.h>
#include <tesseract/osdetect.h>

namespace textread {

namespace {

Q_LOGGING_CATEGORY(lcTextRead, "miravelo.textread")

}  // namespace

QString dataFolder() {
    const QString env = qEnvironmentVariable("TESSDATA_PREFIX");
    if (env.isEmpty())
        return QStringLiteral("/usr/share/tesseract-ocr/5/tessdata");
    const QString inside = QDir(env).filePath(QStringLiteral("tessdata"));
    return QFileInfo(inside).isDir() ? inside : env;
}

OsdEngine& OsdEngine::forThisThread() {
    thread_local OsdEngine engine;
    return engine;
}

OsdEngine::~OsdEngine() {
    if (m_api)
        m_api->End();
}

bool OsdEngine::ensureLoaded() {
    const QByteArray dir = QFile::encodeName(dataFolder());
    if (m_tried && dir == m_dataDir)
        return m_loaded;
    m_tried = true;
    m_dataDir = dir;
    m_loaded = false;
    if (m_api)
        m_api->End();
    m_api.reset();
    const QString file = QFile::decodeName(dir) + QStringLiteral("/osd.traineddata");
    if (!QFileInfo(file).isReadable()) {
        qCWarning(lcTextRead) << "No orientation data at" << file << "- pages are left as they are";
        return false;
    }
    auto api = std::make_unique<tesseract::TessBaseAPI>();
    // Tesseract reports a missing or broken file on stderr itself; the result code is ours.
    if (api->Init(dir.constData(), "osd", tesseract::OEM_TESSERACT_ONLY) != 0) {
        qCWarning(lcTextRead) << "Tesseract could not load" << file
                              << "- pages are left as they are";
        return false;
    }
    api->SetPageSegMode(tesseract::PSM_OSD_ONLY);
    api->SetVariable("debug_file", "/dev/null");
    // Tesseract classifies up to five times this many letters in all four turns, which is most of
    // its time; the lines' geometry does the rest of the work, so a few dozen letters suffice.
    api->SetVariable("min_characters_to_try", "12");
    m_api = std::move(api);
    m_loaded = true;
    return true;
}

bool OsdEngine::detect(const cv::Mat& binary, float scores[4]) {
    if (binary.empty() || binary.type() != CV_8UC1 || !ensureLoaded())
        return false;
    m_api->SetImage(binary.data, binary.cols, binary.rows, 1, int(binary.step));
    // The copy was scaled for letters of 300 DPI; without a resolution Tesseract guesses one and
    // says so on stderr.
    m_api->SetSourceResolution(300);
    tesseract::OSResults results;
    const bool found = m_api->DetectOS(&results);
    if (found) {
        // Tesseract's ids 0..3 stand for clockwise turns of 0, 270, 180 and 90 degrees.
        for (int id = 0; id < 4; ++id)
            scores[(4 - id) % 4] = results.orientations[id];
    }
    m_api->Clear();
    return found;
}

}  // namespace textread
