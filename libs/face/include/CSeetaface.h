#pragma once

/*
 * Faces: libCSeetaface.so, loaded by the program at run time.
 *
 * Images are SImage descriptors of 24-bit RGB pixels with rows of exactly width * 3 bytes, passed
 * by value; the library only reads them. Faces are found with OpenCV's cascade detectors, whose
 * files come with the system's OpenCV data (/usr/share/opencv4/haarcascades); the environment
 * variable MIRAVELO_FACE_CASCADES names another folder holding the same files. Without them no
 * face is ever found.
 *
 * Two faces are compared by the texture of their aligned, light-normalised crops (local binary
 * pattern histograms over a grid), so a face seen by a small camera can be matched with the
 * portrait on a card photographed by the document camera.
 *
 * Every function may be called from any thread, also at the same time. Nothing throws across this
 * boundary. MIRAVELO_DEBUG_DUMP=<folder> writes the found faces and the compared crops there.
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
#define KELM_FACE_API __attribute__((visibility("default")))
#else
#define KELM_FACE_API
#endif

/* A face in image pixels. */
typedef struct KELM_FaceRect {
    int x;
    int y;
    int width;
    int height;
} KELM_FaceRect;

/* How alike the largest face of `probe` (the face camera's picture) and the largest face of
 * `reference` (the document camera's picture, e.g. a card with a portrait) are: above 0 when both
 * pictures hold a face, 0.5 or more for the same face, less for different people, at most 1.
 * 0 when either picture holds no face; -1 for an unusable descriptor (null data, a size of zero or
 * below, or more than 100 million pixels). */
KELM_FACE_API double KELM_FaceCompare(SImage probe, SImage reference);

/* Finds the faces of `image`, largest first, writes up to `capacity` of them to `faces` and
 * returns how many were found (which may exceed capacity; 0 for none). -1 for an unusable
 * descriptor or a negative capacity; `faces` may be null when capacity is 0. */
KELM_FACE_API int KELM_GetFaces(SImage image, KELM_FaceRect* faces, int capacity);

typedef double (*KELM_FaceCompare_t)(SImage, SImage);
typedef int (*KELM_GetFaces_t)(SImage, KELM_FaceRect*, int);

#ifdef __cplusplus
}
#endif
