#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <string>
#include <vector>

// Writes a minimal WordprocessingML package: one A4 page per picture, the picture anchored to
// the centre of its page and scaled to fit inside the margins. Picture files are streamed from
// disk into the package when it is closed, so memory does not grow with their number or size.
class DocxPackage {
public:
    struct Picture {
        std::string path;   // file to store unchanged, when `data` is empty
        QByteArray data;    // converted bytes, for formats Word cannot show
        QByteArray format;  // "jpeg", "png", "gif", "bmp" or "tiff": the media file's type
        int width = 0;      // pixels as shown
        int height = 0;
    };

    // Told the share of the package written so far (0 to 1); answering true stops the writing.
    using StopAsked = std::function<bool(double written)>;

    // Creates outPath, replacing any file of that name only once the package is complete. A stop
    // asked by `stopAsked` ends it like any failure: no file under outPath, *cancelled set.
    bool write(const std::string& outPath, const std::vector<Picture>& pictures,
               const QString& title, std::string* error, const StopAsked& stopAsked = nullptr,
               bool* cancelled = nullptr);

    // Page geometry in twentieths of a point: A4 with half-inch margins.
    static constexpr int kPageWidthTwips = 11906;
    static constexpr int kPageHeightTwips = 16838;
    static constexpr int kMarginTwips = 720;
    static constexpr long long kEmuPerTwip = 635;

    // Picture size on the page in EMU: fitted inside the margins, aspect ratio kept.
    static void fittedExtent(int width, int height, long long* cx, long long* cy);
};
