#pragma once

#include <QString>

// Where the program finds the files that live beside it: Tesmora.ini, Language/, the companion
// libraries, the temporary folder. Everything goes through here so that tests can point the
// program at a folder of their own instead of the build output.
//
// Run from its build folder the program keeps its settings, log and temporary files beside
// itself. An installed copy (its folder is not writable, or it sits in the installed layout
// <prefix>/lib/miravelo with <prefix>/share/miravelo beside it) keeps them in the user's XDG
// configuration, state and cache folders instead, so that no user writes into the installation.
namespace AppPaths {

// The folder of the executable, or the folder a test set with setApplicationDir().
QString applicationDir();

// Test seam: an empty path returns to the executable's folder.
void setApplicationDir(const QString& dir);

// applicationDir() + "/" + fileName.
QString besideExecutable(const QString& fileName);

// True when the per-user folders are used (see above).
bool usesUserFolders();

// The settings file to read and write. In the per-user case it is seeded, once, from the
// installed default, so that the first run starts from the shipped settings.
QString settingsFile();

// The default settings file an installation ships: <prefix>/share/miravelo/Tesmora.ini.
QString installedDefaultSettings();

// The folder of the daily log files, with a trailing "/": <working directory>/Log/ beside a
// build, <XDG state home>/Miravelo/Log/ for an installed copy.
QString logDirectory();

// The preferred temporary folder: <application dir>/tmp, or <XDG cache home>/Miravelo/tmp.
QString temporaryDirectory();

}  // namespace AppPaths
