#pragma once

#include <QString>

// Where the program finds the files that live beside it: Tesmora.ini, Language/, the companion
// libraries, the temporary folder. Everything goes through here so that tests can point the
// program at a folder of their own instead of the build output.
namespace AppPaths {

// The folder of the executable, or the folder a test set with setApplicationDir().
QString applicationDir();

// Test seam: an empty path returns to the executable's folder.
void setApplicationDir(const QString& dir);

// applicationDir() + "/" + fileName.
QString besideExecutable(const QString& fileName);

}  // namespace AppPaths
