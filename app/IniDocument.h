#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// A line-preserving editor for INI files in Qt's INI settings format.
//
// QSettings can read such files, but when it writes them it sorts the keys, drops comments and
// writes in place. The settings file has a fixed key order, may carry keys and groups that this
// program does not know (a newer version, a hand edit), and must survive a failed write. So the
// file is read with QSettings and written through this class: the keys it is told about are
// written first, in the order given, and every other line of the original is kept as it was.
class IniDocument {
public:
    explicit IniDocument(const QByteArray& original = QByteArray());

    // Sets a key of a group. Groups are written in the order of their first setValue(), keys in
    // the order of their first setValue() within the group.
    void setValue(const QString& group, const QString& key, const QString& text);
    void setValue(const QString& group, const QString& key, int number);

    QByteArray toBytes() const;

    // A string value escaped exactly as QSettings (with the UTF-8 INI codec) writes it, so that
    // QSettings reads the same string back: backslash escapes, quoting when the text holds
    // ';', ',' or '=' or starts or ends with a blank, and a doubled '@' at the front.
    static QByteArray escapeString(const QString& text);

private:
    struct Entry {
        QString key;
        QByteArray rawValue;
    };
    struct Group {
        QString name;
        QVector<Entry> entries;     // set through setValue(), in order
        QVector<QByteArray> lines;  // lines of the original group, kept as they were
    };

    Group& group(const QString& name);
    static QString keyOfLine(const QByteArray& line);

    QVector<QByteArray> preamble_;  // original lines before the first group header
    QVector<Group> groups_;         // original groups first, in file order
    QStringList setOrder_;          // groups in the order of their first setValue()
};
