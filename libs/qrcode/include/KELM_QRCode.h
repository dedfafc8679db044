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

/* Size of one entry of the result area: the text of one code, NUL-terminated UTF-8. */
#define KELM_QRCODE_ENTRY_SIZE 1040

/* Reads every QR code in the 24-bit RGB image (rows of exactly width * 3 bytes), up to maxCount.
 * results holds maxCount entries of KELM_QRCODE_ENTRY_SIZE bytes; entry i receives the text of
 * code i (top to bottom, then left to right) as UTF-8, whatever script it is written in; a text
 * longer than 1039 bytes is cut there, before the character that would not fit whole. Returns the
 * number of codes read, 0 for none, -1 for bad arguments. */
KELM_QRCODE_API int KELM_QRCode_Decoding(SImage* src, char* results, int maxCount);

#ifdef __cplusplus
}
#endif
