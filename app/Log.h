#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

// Daily log writer. Each call appends one line to <log directory>/ZVTM<yyyyMMdd>.log,
// opening and closing the file, so several owners can share the file of the day.
//
// Every instance starts switched off and the program never switches it on: the call sites stay in
// place for a diagnostic run, which sets the environment variable MIRAVELO_LOG=1 to switch every
// instance on from its construction.
class Log {
public:
    enum Level { Debug = 0, Info = 1, Warn = 2, Error = 3 };

    // Fixes the directory at this moment: the working directory beside a build, the XDG state
    // folder for an installed copy (AppPaths::logDirectory()).
    Log();

    // Appends "[yyyy-dd-MM hh:mm:ss.zzz] [LOG_<LEVEL>] {message}" and a line end. The message is
    // written unchanged, cut at 8,191 bytes. Does nothing while switched off or below the minimum
    // level; a directory or file that cannot be made loses the line silently.
    void Write(int level, const char* message);

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool on) { enabled_ = on; }
    int minimumLevel() const { return minimumLevel_; }
    void setMinimumLevel(int level) { minimumLevel_ = level; }
    QString directory() const { return directory_; }

    // The word written for a level: LOG_INFO, LOG_WARN, LOG_ERROR, else LOG_DEBUG.
    static const char* levelWord(int level);
    // The file of the day for a moment: directory + "ZVTM" + yyyyMMdd + ".log".
    QString fileFor(const QDateTime& when) const;

    // Test seam: the clock used by Write(); an empty function restores the system clock.
    static void setClock(std::function<QDateTime()> clock);

private:
    bool enabled_ = false;
    QString directory_;
    int minimumLevel_ = 0;
};
