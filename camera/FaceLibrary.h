#pragma once

#include <CSeetaface.h>

#include <QImage>
#include <QMetaType>

// The program side of the face library: its two entry points, resolved from the file beside the
// executable. A copy holds the same entry points; the library is never unloaded, so a copy handed
// to another thread stays usable after the original is gone.
class FaceLibrary {
public:
    // 1 loaded, -1 file missing, -2 an entry point missing (named on the debug stream).
    int Load();
    bool loaded() const { return m_loaded > 0; }

    // The library's similarity of the largest faces of the two pictures (face camera first);
    // 0 or below means no face; -1 when not loaded. Any image format is accepted.
    double Compare(const QImage& face, const QImage& main) const;

private:
    int m_loaded = 0;
    KELM_FaceCompare_t m_compare = nullptr;
    KELM_GetFaces_t m_getFaces = nullptr;
};

Q_DECLARE_METATYPE(FaceLibrary)
