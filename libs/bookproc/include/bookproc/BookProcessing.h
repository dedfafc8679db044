#pragma once

// Book-spread processing: page outlines of an open book, splitting the spread into two
// straightened pages, and flattening the curl of a page near the gutter.
//
// Loaded at run time as libKELM_BookProcessingDll.so. Every entry point checks what it is given
// (null pointers, sizes below 2 x 2 or absurdly large, corners outside the image, output buffers
// too small) and answers a result of 0 or below instead of touching memory it was not given.
// Results: 1 success, 0 nothing found / nothing to do, -1 bad arguments, -2 internal failure.
//
// Setting MIRAVELO_DEBUG_DUMP=<folder> makes every call write its labelled intermediate images
// into that folder.

#ifdef __cplusplus
extern "C" {
#endif

#ifndef MIRAVELO_SIMAGE_DEFINED
#define MIRAVELO_SIMAGE_DEFINED
// 24-bit RGB, rows of exactly width * 3 bytes.
typedef struct SImage {
    unsigned char* data;
    int width;
    int height;
} SImage;
#endif

#define KELM_BOOK_API __attribute__((visibility("default")))

// Finds the two pages of an open spread. corners1 receives the left page, corners2 the right page,
// each as four points (x, y) in image pixels: point 1 top-right, point 2 bottom-left, point 3
// top-left, point 4 bottom-right, so the outline drawn through points 3, 1, 4, 2 runs clockwise
// around the page, as for the document outline of the image-processing library. The gutter is the
// shared side: the left page's top-right and bottom-right are the right page's top-left and
// bottom-left. params: in {0, 1}; params[0] is passed on to the split and the flattening (0 =
// default processing) and left as it is, params[1] = 1 asks for two pages. Returns 1 when a spread
// was found, 0 when none (all 16 values 0).
KELM_BOOK_API short KELM_GetBookCornerPoint(SImage src, int* corners1, int* corners2, int* params);

// Cuts each page out of the spread and straightens it (perspective). left and right come in with
// their buffer's capacity as width x height (width * height * 3 bytes) and go out with the page's
// size. A page always leaves room for its rows to be padded to 4-byte multiples afterwards
// (height * ((width * 3 + 3) & ~3) <= capacity); a buffer too small for a page is an error.
// All-zero corners (no spread found) give 0. Returns 1, or <= 0 without writing anything.
KELM_BOOK_API short KELM_GetSplitBook(SImage src, SImage* left, SImage* right, int* corners1,
                                      int* corners2, int param);

// Flattens one page: removes the curl near the gutter so text lines come out straight, evens the
// gutter shadow and, with grey = 1, renders the page in grey (R = G = B). out comes in with its
// buffer's capacity as width x height (at least the page's pixels) and goes out with the
// result's size, the page's own. The gutter side is found from the page itself. Returns 1 (also
// when the page has no curl to remove), or <= 0 without writing anything.
KELM_BOOK_API short KELM_OptimizeBook(SImage src, SImage* out, int param, int grey);

typedef short (*KELM_GetBookCornerPoint_t)(SImage, int*, int*, int*);
typedef short (*KELM_GetSplitBook_t)(SImage, SImage*, SImage*, int*, int*, int);
typedef short (*KELM_OptimizeBook_t)(SImage, SImage*, int, int);

#ifdef __cplusplus
}
#endif
