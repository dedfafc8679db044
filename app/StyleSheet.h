#pragma once

#include <QString>

// Registers the resource bundle. The bundle lives in a static library, whose registration code the
// linker drops unless something refers to it: main() calls this before anything reads a ":/" path.
// Safe to call more than once.
void InitResources();

// Reads a style sheet from the resource bundle (or any file path). A missing sheet writes
// "CSS File<path> is not found!" to the debug stream and gives an empty string, so the widget
// keeps its default style. The bytes are cut at the first NUL and read as Latin-1.
QString LoadStyleSheet(const QString& path);

// The application-wide sheet ":/new/prefix1/Black_Common.css" and the palette colour built from
// #F0F0F0. Returns false (and writes "CSS File is not found!") when the sheet is missing, leaving
// the default style in place. Needs a QApplication.
bool ApplyApplicationStyleSheet();
