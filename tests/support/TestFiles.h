#pragma once

// Whole-file reads and writes, and today's log of a test run with MIRAVELO_LOG set.
#include <QDate>
#include <QFile>

inline QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& data) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
}

inline QByteArray todaysLog() {
    return readBytes("Log/ZVTM" + QDate::currentDate().toString("yyyyMMdd") + ".log");
}
