#pragma once

/*
 * QR code reading: libKELM_QRCode.so, loaded by the program at run time.
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
#define KELM_QRCODE_API __attribute__((visibility("default")))
#else
#define KELM_QRCODE_API
#endif

/* Size of one entry of the result area: the text of one code, NUL-terminated Latin-1. */
#define KELM_QRCODE_ENTRY_SIZE 1040

/* Reads every QR code in the 24-bit RGB image (rows of exactly width * 3 bytes), up to maxCount.
 * results holds maxCount entries of KELM_QRCODE_ENTRY_SIZE bytes; entry i receives the text of
 * code i (top to bottom, then left to right), cut to 1039 bytes, characters outside Latin-1 as
 * '?'. Returns the number of codes read, 0 for none, -1 for bad arguments. */
KELM_QRCODE_API int KELM_QRCode_Decoding(SImage* src, char* results, int maxCount);

#ifdef __cplusplus
}
#endif
