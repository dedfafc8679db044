#pragma once

// libJPGtoPDF: puts a list of pictures into one PDF document, one page per picture.
//
// Loaded at run time by absolute path; callers resolve the entry point by name and call it through
// KELM_ConvertPDF_Fn. The library has no global state, so separate calls may run on separate
// threads.

#ifdef __cplusplus
extern "C" {
#endif

// Results: a positive value is the number of pages written; negative values are failures, and
// after a failure no file exists under the output name (an older file of that name is left as it
// was).
#define KELM_PDF_ERR_ARGUMENT (-1)   // null table or path, count below 1, empty path, bad page size
#define KELM_PDF_ERR_INPUT (-3)      // a listed file is missing, unreadable or not a usable picture
#define KELM_PDF_ERR_OUTPUT (-4)     // the document cannot be written (folder missing, disk full)
#define KELM_PDF_ERR_INTERNAL (-5)   // out of memory or another unexpected failure
#define KELM_PDF_ERR_CANCELLED (-6)  // the progress callback asked to stop

// files:      table of `count` pointers to NUL-terminated paths, as bytes for the file system.
//             JPEG files are embedded unchanged (their own compressed data, grey, RGB or CMYK,
//             EXIF orientation honoured); PNG, BMP, TIFF, GIF and the other formats Qt reads are
//             embedded losslessly, transparency kept as a soft mask.
// count:      number of entries in files, at least 1.
// pageWidth,
// pageHeight: page size in inches (8.27 x 11.69 is A4), each between 0.1 and 200.
// outPath:    the document to create or replace. Its folder must exist.
// Every picture is scaled to fit inside its page, aspect ratio kept, and centred. The document's
// title is the output file name without its extension.
__attribute__((visibility("default"))) int KELM_ConvertPDF(const char* const* files, int count,
                                                           double pageWidth, double pageHeight,
                                                           const char* outPath);

typedef int (*KELM_ConvertPDF_Fn)(const char* const* files, int count, double pageWidth,
                                  double pageHeight, const char* outPath);

#ifndef KELM_EXPORT_PROGRESS_FN_DEFINED
#define KELM_EXPORT_PROGRESS_FN_DEFINED
// Told how many of `total` pages are done (0 before the first one). Answering non-zero stops the
// conversion. Called on the converting thread.
typedef int (*KELM_ExportProgress_Fn)(int done, int total, void* user);
#endif

// KELM_ConvertPDF with a progress report after every page. progress may be null. When it asks to
// stop, the result is KELM_PDF_ERR_CANCELLED and, as after any failure, no file exists under the
// output name.
__attribute__((visibility("default"))) int KELM_ConvertPDFWithProgress(
    const char* const* files, int count, double pageWidth, double pageHeight, const char* outPath,
    KELM_ExportProgress_Fn progress, void* user);

typedef int (*KELM_ConvertPDFWithProgress_Fn)(const char* const* files, int count, double pageWidth,
                                              double pageHeight, const char* outPath,
                                              KELM_ExportProgress_Fn progress, void* user);

#ifdef __cplusplus
}
#endif
