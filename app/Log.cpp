#include "app/Log.h"

#include "app/AppPaths.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstring>

namespace {

std::function<QDateTime()>& testClock() {
    static std::function<QDateTime()> c;
    return c;
}

QDateTime now() {
    return testClock() ? testClock()() : QDateTime::currentDateTime();
}

constexpr int kMessageBuffer = 8192;

}  // namespace

Log::Log()
    : enabled_(qEnvironmentVariable("MIRAVELO_LOG") == QLatin1String("1")),
      directory_(AppPaths::logDirectory()) {}

void Log::setClock(std::function<QDateTime()> c) {
    testClock() = std::move(c);
}

const char* Log::levelWord(int level) {
    switch (level) {
        case Info:
            return "LOG_INFO";
        case Warn:
            return "LOG_WARN";
        case Error:
            return "LOG_ERROR";
        default:
            return "LOG_DEBUG";
    }
}

QString Log::fileFor(const QDateTime& when) const {
    QString dir = directory_;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir + QStringLiteral("ZVTM") + when.toString(QStringLiteral("yyyyMMdd")) +
           QStringLiteral(".log");
}

void Log::Write(int level, const char* message) {
    if (!enabled_ || level < minimumLevel_)
        return;

    // At most 8,191 bytes of the message, never read past its end.
    QByteArray text;
    if (message)
        text = QByteArray(message, int(strnlen(message, kMessageBuffer - 1)));

    // One reading of the clock for both the file name and the line, so that a line written at
    // midnight never carries a date other than its file's.
    const QDateTime when = now();

    QString dir = directory_;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    if (!QDir(dir).exists() && !QDir().mkpath(dir))
        return;

    QFile file(fileFor(when));
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Text))
        return;
    QByteArray line = when.toString(QStringLiteral("[yyyy-dd-MM hh:mm:ss.zzz]")).toLatin1();
    line += " [";
    line += levelWord(level);
    line += "] {";
    line += text;
    line += "}\n";
    file.write(line);
    file.close();
}
