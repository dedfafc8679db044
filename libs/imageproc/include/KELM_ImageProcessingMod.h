#pragma once

/*
 * Document and card geometry: libKELM_ImageProcessingMod.so, loaded by the program at run time.
 *
 * Images are SImage descriptors of 24-bit RGB pixels with rows of exactly width * 3 bytes. Inputs
 * are passed by value; outputs by pointer, with data allocated (and zeroed) by the caller, width
 * and height filled in by the library. Every function checks what it is handed: a null pointer, a
 * size of zero or below, an image too small to hold the object or an output too small for the
 * result gives a result of 0 or below and leaves the output alone; nothing is ever written beyond
 * width * height * 3 bytes of an output descriptor as the caller set it. Results > 0 mean success.
 *
 * Corner arrays are 8 ints: four points (x, y) in input pixels. Point 1 is the object's top-right
 * corner, point 2 its bottom-left, point 3 its top-left and point 4 its bottom-right, so that the
 * outline drawn through points 3, 1, 4, 2 runs clockwise around the object. "Top" is the side the
 * library judges to be the top of the object as it lies (for a rotated page, the side nearest to
 * the top of the frame).
 *
 * MIRAVELO_DEBUG_DUMP=<folder> makes the detection and the cut write their labelled
 * intermediate images there.
 */

#ifdef __cplusplus
extern "C" {
#endif

#ifndef MIRAVELO_SIMAGE_DEFINED
#define MIRAVELO_SIMAGE_DEFINED
typedef struct SImage {
    unsigned char* data;
    int width;
    int height;
} SImage;
#endif

#if defined(__GNUC__)
#define KELM_IMAGEPROC_API __attribute__((visibility("default")))
#else
#define KELM_IMAGEPROC_API
#endif

/* Finds the page (mode 0) or the ID-1 card (mode 1) in the image. Writes the four corners and
 * returns 1; when nothing is found all eight values are set to 0 and the result is 0. */
KELM_IMAGEPROC_API short KELM_GetRectCornerPoint(SImage src, int* corners, int mode);

/* Finds up to maxCount separate pages (mode 0) or cards (mode 1), clearest first (normally the
 * largest); writes 8 ints per object into corners (room for maxCount * 8 ints, all zeroed first)
 * and returns how many were found (0 for none). maxCount is 1 to 64. */
KELM_IMAGEPROC_API short KELM_GetMoreRectPoint(SImage src, int* corners, int maxCount, int mode);

/* Cuts the quadrilateral out and straightens it to the object's true proportions at the
 * resolution it was captured with. dst->data must hold dst->width * dst->height * 3 bytes as the
 * caller set them (normally the source's size); the result is scaled down if it would not fit.
 * On success dst->width and dst->height hold the page's size. The five trailing ints are
 * reserved (pass 0). */
KELM_IMAGEPROC_API short KELM_CutRequestedROI(SImage src, SImage* dst, int* corners, int r1, int r2,
                                              int r3, int r4, int r5);

/* Colour optimisation of a cut page: even white paper, crisp dark text, colours kept. dst->width
 * and dst->height must describe room for at least the source's pixels (a descriptor of 0 x 0 is
 * refused); on success they are set to the source's.
 * The four trailing ints are reserved (pass 0). */
KELM_IMAGEPROC_API short KELM_MulticolorOptimizeImage(SImage src, SImage* dst, int r1, int r2,
                                                      int r3, int r4);

/* Cuts and straightens a card like KELM_CutRequestedROI, with the ID-1 proportions (85.6 x 54 mm)
 * and a light clean-up. With autoIdentify 1 the card is turned upright (wider than high, the
 * heavier print band on top). The four ints before autoIdentify are reserved (pass 1). */
KELM_IMAGEPROC_API short KELM_CalibrateIDCard(SImage src, SImage* dst, int* corners, int r1, int r2,
                                              int r3, int r4, int autoIdentify);

/* Composes a card page from two card images in memory: a white page of dst's size (normally
 * 2200 x 3110, an A4 sheet) with the front above the back, centred, each at true size for a page
 * 210 mm wide (897 x 566 pixels on the usual page). mode is reserved (pass 1). */
KELM_IMAGEPROC_API short KELM_SynthesisIDCard(SImage front, SImage back, SImage* dst, int mode);

/* The same as KELM_SynthesisIDCard with both sides read from image files (Latin-1 paths). Only
 * regular files are read, and a picture declaring more than 100 million pixels is refused. */
KELM_IMAGEPROC_API short KELM_SynthesisIDCardFromPath(const char* frontPath, const char* backPath,
                                                      SImage* dst, int mode);

/* Returns the black-and-white threshold of KELM_ThresholdImage to its automatic default. */
KELM_IMAGEPROC_API short KELM_ResetImageStyle(void);

/* Black-and-white rendering of a page, as for a fax or a photocopy. dst must describe room for
 * at least the source's pixels, as for KELM_MulticolorOptimizeImage. mode is reserved (pass 0). */
KELM_IMAGEPROC_API short KELM_ThresholdImage(SImage src, SImage* dst, int mode);

/* Fixes the threshold of KELM_ThresholdImage to 1..254 (lower keeps less ink); 0 selects the
 * automatic, locally adaptive threshold again. Other values give 0 and change nothing. */
KELM_IMAGEPROC_API short KELM_SetThresholdValue(int value);

#ifdef __cplusplus
}
#endif
