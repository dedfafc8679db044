#pragma once

#include <QImage>
#include <QString>

#include "KELM_ImageProcessingMod.h"

// The program's side of the image-processing and book-processing libraries: loads them from the
// application directory and turns QImages into library calls and back.
//
// Memory rules:
// - Corner arrays returned by DetectDocCorners/DetectCardCorners are new int[8]; the caller
//   delete[]s them.
// - CutDocument, CalibrateCard and SynthesizeCardPage return a new QImage (Format_RGB888, rows
//   4-byte aligned) over a pixel buffer this class allocated. The image carries the buffer's
//   release with it: deleting the QImage (or its last copy) releases the buffer. Never free
//   bits() yourself. Release(img) is the same as delete img.
// - ToGray returns a new, ordinary QImage.
// - The wrappers never hand a library an image whose rows are padded: such images are repacked
//   into a private buffer first.
class ImageProcessor {
public:
    ImageProcessor();
    ~ImageProcessor();
    ImageProcessor(const ImageProcessor&) = delete;
    ImageProcessor& operator=(const ImageProcessor&) = delete;

    // Loads both libraries and resolves their entry points. Returns 1, or the code of the first
    // failure: -1 library missing, -2 .. -12 an image-processing entry point missing, -13 the
    // book library or one of its entry points missing. Entry points resolved before a failure
    // stay usable.
    int Load();

    // Four corner points of the page (card), all 0 when none was found; never null.
    int* DetectDocCorners(QImage* img);
    int* DetectCardCorners(QImage* img);
    // Corners of the two pages of an open book into a and b (8 ints each); the library's result,
    // or -1 when the entry point is missing.
    int DetectBookCorners(QImage* img, int* a, int* b);

    // The page cut out and straightened (and colour-optimised when optimise is set), or null.
    QImage* CutDocument(QImage* img, bool optimise);
    // A grey copy (RGB888 with equal channels), or null for no image.
    QImage* ToGray(QImage* img);
    // The card cut out and straightened (turned upright with autoIdentify), or null.
    QImage* CalibrateCard(QImage* img, bool autoIdentify);
    // Front above back on a white 2200 x 3110 page, or null.
    QImage* SynthesizeCardPage(const QString& frontPath, const QString& backPath);

    // Splits an open book into its two pages (see ImageProcessorBook.cpp).
    int ProcessBook(QImage* capture, int& leftWidth, int& leftHeight, unsigned char* leftBuffer,
                    int& leftBytes, int& rightWidth, int& rightHeight, unsigned char* rightBuffer,
                    int& rightBytes, bool flatten, bool grey);
    // The two pages side by side, each centred in its half of a white image.
    static QImage CombineLeftRight(QImage left, QImage right);

    // Rows of width * 3 bytes re-laid to 4-byte aligned rows. Returns data itself when no padding
    // is needed, otherwise a new buffer (new[]) and delete[]s data. Null for bad arguments.
    static unsigned char* PadRows(unsigned char* data, int width, int height);
    // The same inside the buffer itself, which must hold capacity bytes; false when the padded
    // rows would not fit (the buffer is then left as it was).
    static bool PadRowsInPlace(unsigned char* data, int width, int height, qint64 capacity);
    // Wraps a new[] buffer of 4-byte aligned RGB rows; the QImage releases it.
    static QImage* WrapBuffer(unsigned char* data, int width, int height);
    static void Release(QImage* img) { delete img; }
    // A result held by value (its last copy still releases the buffer), the heap wrapper gone;
    // a null image for no result.
    static QImage TakeImage(QImage* wrapped);
    // Tightly packed R,G,B rows (width * 3 bytes each) of img in any format; empty for a null
    // image. This is what an SImage may describe.
    static QByteArray PackedRgb(const QImage& img);
    // Buffers handed out by WrapBuffer and not yet released (for tests of the memory rules).
    static int LiveWrappedBuffers();

    // The book parameters, {0, 1} before each corner detection; the first is passed on.
    int bookParams[2] = {0, 1};

    using GetRectCornerPointFn = short(SImage, int*, int);
    using GetMoreRectPointFn = short(SImage, int*, int, int);
    using CutRequestedROIFn = short(SImage, SImage*, int*, int, int, int, int, int);
    using CalibrateIDCardFn = short(SImage, SImage*, int*, int, int, int, int, int);
    using SynthesisIDCardFn = short(SImage, SImage, SImage*, int);
    using SynthesisIDCardFromPathFn = short(const char*, const char*, SImage*, int);
    using ResetImageStyleFn = short();
    using ThresholdImageFn = short(SImage, SImage*, int);
    using MulticolorOptimizeImageFn = short(SImage, SImage*, int, int, int, int);
    using SetThresholdValueFn = short(int);
    using GetBookCornerPointFn = short(SImage, int*, int*, int*);
    using GetSplitBookFn = short(SImage, SImage*, SImage*, int*, int*, int);
    using OptimizeBookFn = short(SImage, SImage*, int, int);

    GetRectCornerPointFn* fnGetRectCornerPoint = nullptr;
    GetMoreRectPointFn* fnGetMoreRectPoint = nullptr;
    CutRequestedROIFn* fnCutRequestedROI = nullptr;
    CalibrateIDCardFn* fnCalibrateIDCard = nullptr;
    SynthesisIDCardFn* fnSynthesisIDCard = nullptr;
    SynthesisIDCardFromPathFn* fnSynthesisIDCardFromPath = nullptr;
    ResetImageStyleFn* fnResetImageStyle = nullptr;
    ThresholdImageFn* fnThresholdImage = nullptr;
    MulticolorOptimizeImageFn* fnMulticolorOptimizeImage = nullptr;
    SetThresholdValueFn* fnSetThresholdValue = nullptr;
    GetBookCornerPointFn* fnGetBookCornerPoint = nullptr;
    GetSplitBookFn* fnGetSplitBook = nullptr;
    OptimizeBookFn* fnOptimizeBook = nullptr;

private:
    int* DetectCorners(QImage* img, int mode);
    // Detection and cut of one capture share one packed private copy of its pixels: at full camera
    // size each copy costs tens of milliseconds on the GUI thread.
    void DetectPacked(QByteArray& packed, int w, int h, int mode, int* corners);
    QImage* CutPackedAt(QImage* img, int mode, bool card, bool autoIdentify, bool optimise);
    QImage* CutWith(QByteArray& packed, int w, int h, const int* corners, bool card,
                    bool autoIdentify, bool optimise);
};
