#pragma once

// libJpgintoWord: puts a list of pictures into one Word document (Office Open XML, ".docx"), one
// picture per A4 page, scaled to fit inside the page margins with its aspect ratio kept and centred
// on the page.
//
// Loaded at run time by absolute path; callers resolve the entry point by name and call it through
// KELM_JpgintoWord_Fn. The library has no global state.

#ifdef __cplusplus
extern "C" {
#endif

// Results: a positive value is the number of pages written; negative values are failures, and
// after a failure no file exists under the output name (an older file of that name is left as it
// was).
#define KELM_WORD_ERR_ARGUMENT (-1)  // null table or path, count below 1, empty path
#define KELM_WORD_ERR_OFFICE \
    (-2)                              // kept for callers that test it: an office component failed
                                      // to load. This library writes the package itself and never
                                      // returns it.
#define KELM_WORD_ERR_INPUT (-3)      // a listed file is missing, unreadable or not a picture
#define KELM_WORD_ERR_OUTPUT (-4)     // the document cannot be written (folder missing, disk full)
#define KELM_WORD_ERR_INTERNAL (-5)   // out of memory or another unexpected failure
#define KELM_WORD_ERR_CANCELLED (-6)  // the progress callback asked to stop

// files:    table of `count` pointers to NUL-terminated paths, as bytes for the file system.
//           JPEG, PNG, GIF, BMP and TIFF files are stored in the package unchanged (JPEG without
//           any compression on top); pictures in other formats Qt reads are stored as PNG.
// count:    number of entries in files, at least 1.
// reserved: ignored; callers pass 0.
// outPath:  the document to create or replace (normally ending in ".docx"). Its folder must exist.
__attribute__((visibility("default"))) int KELM_JpgintoWord(const char* const* files, int count,
                                                            int reserved, const char* outPath);

typedef int (*KELM_JpgintoWord_Fn)(const char* const* files, int count, int reserved,
                                   const char* outPath);

#ifndef KELM_EXPORT_PROGRESS_FN_DEFINED
#define KELM_EXPORT_PROGRESS_FN_DEFINED
// Told how many of `total` pages are done (0 before the first one). Answering non-zero stops the
// conversion. Called on the converting thread.
typedef int (*KELM_ExportProgress_Fn)(int done, int total, void* user);
#endif

// KELM_JpgintoWord with progress reports while the pictures are read and stored. progress may be
// null. When it asks to stop, the result is KELM_WORD_ERR_CANCELLED and no file exists under the
// output name.
__attribute__((visibility("default"))) int KELM_JpgintoWordWithProgress(
    const char* const* files, int count, int reserved, const char* outPath,
    KELM_ExportProgress_Fn progress, void* user);

typedef int (*KELM_JpgintoWordWithProgress_Fn)(const char* const* files, int count, int reserved,
                                               const char* outPath, KELM_ExportProgress_Fn progress,
                                               void* user);

#ifdef __cplusplus
}
#endif
