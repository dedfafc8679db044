#pragma once

#include <QString>

// The in-memory settings record. MainWindow owns the one instance for the whole run and hands a
// pointer to the scan-mode bar, which reads it live at capture time. Fields are public on purpose:
// every writer changes a field and then calls Save() at once.
//
// Tesmora.ini lives beside the executable and is never created by the program: without it the
// run uses the built-in values below and every Save() answers -2.
class AppSettings {
public:
    // Results of Load() and Save().
    enum Result { Ok = 1, FileAbsent = -2, FileUnusable = -1 };

    AppSettings();

    // Reads every stored key in the fixed order. An absent key reads as 0 / empty text, text that
    // is not a decimal number reads as 0; the first-start entry alone reads as a first start
    // unless it holds 0, so a missing or broken one is repaired by the tour's save. The output
    // folder is kept as stored (a leading "~/" expanded), usable or not: it is the user's choice,
    // and the folder each save really uses is found at that moment (resolveOutputDirectory()).
    // Returns Ok, FileAbsent (record untouched) or FileUnusable (the file cannot be read; record
    // untouched).
    int Load();

    // Writes every stored key in the fixed order into the existing file, keeping any other keys
    // and groups that are in it. The new content is written to a temporary file and renamed over
    // the old one, so a failed save (full disk, read-only file or folder) leaves the old file as
    // it was. Returns Ok, FileAbsent (nothing written) or FileUnusable.
    int Save() const;

    // The settings file path: application directory + "/Tesmora.ini", or the per-user copy of an
    // installed program (AppPaths::settingsFile()).
    static QString filePath();

    // Built-in output directory and the last fallback: home + "/OutPut/".
    static QString builtInOutputDirectory();
    // First fallback: the user's pictures folder + "/OutPut/" (empty when the desktop names none).
    static QString picturesOutputDirectory();
    // The folder a save goes to for the stored output folder: the stored one when it is a
    // folder that takes files (one missing level is created), else the first fallback that can
    // be made and written, else the home fallback as it is. A value that is not an absolute
    // path on this platform (a Windows drive path such as "C:\OutPut\", or a relative path) is
    // unusable and is never created, so no directory named after a drive letter appears. A
    // leading "~/" stands for the home folder.
    static QString resolveOutputDirectory(const QString& stored);
    // "~/..." with the home folder put in; anything else unchanged.
    static QString expandHome(const QString& stored);
    // An existing folder the program may write into; one whose write bits are all off counts as
    // read-only, also for a user whom the system would let write anyway.
    static bool isWritableFolder(const QString& path);

    // --- Stored in Tesmora.ini, group Camera ---
    QString mainCamera = QStringLiteral("Document Camera");
    QString subCamera = QStringLiteral("Sub Camera");
    int mainResWidth = 3264;
    int mainResHeight = 2448;
    int subResWidth = 800;
    int subResHeight = 600;
    int mainCompress = 0;
    int subCompress = 0;
    // Mains frequency in Hz (50 or 60) that the main camera avoids flicker for; applied at every
    // start of its preview.
    int powerFrequency = 50;

    // --- group WaterMark ---
    int wmType = 0;     // 0 none, 1 date and time, 2 text, 3 picture
    QString wmContent;  // starts as a copy of makerShortName
    int wmPosition = 0;
    int wmColorR = 255;
    int wmColorG = 0;
    int wmColorB = 0;
    int wmOpacity = 80;
    int wmWidth = 100;
    int wmHeight = 100;
    int wmFontSize = 50;
    QString wmImgPath;

    // --- group Software ---
    static constexpr int kDefaultImageType = 0;  // BMP
    int imageType = kDefaultImageType;
    bool isFirstStart = true;
    int nameType = 0;
    int jpgRate = 90;
    int docRotateAngle = 0;
    QString baseDir;  // starts as builtInOutputDirectory()
    QString namePre = QStringLiteral("IMG");

    // --- Only in memory ---
    QString productName = QStringLiteral("Miravelo");
    QString makerShortName = QStringLiteral("ZR");
    // Read by the scan-mode bar when the scan mode changes: set camera parameters per mode.
    bool cameraParamsPerMode = true;
    // While off, the scan-mode bar hides its face-comparison widgets. Read from the optional key
    // "/Software/FaceDetection" (1 on); Save() leaves that key as it is.
    bool faceDetectionEnabled = false;
    // Offer the larger listed size of camera models that have one (see ResolutionSubstitution).
    int resolutionSubstitution = 1;
};
