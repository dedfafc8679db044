#include "app/IniDocument.h"

namespace {

QByteArray trimmedLine(const QByteArray& line) {
    return line.trimmed();
}

bool isHeader(const QByteArray& line, QString* name) {
    const QByteArray t = trimmedLine(line);
    if (!t.startsWith('['))
        return false;
    const int close = t.indexOf(']');
    if (close < 0)
        return false;
    *name = QString::fromUtf8(t.mid(1, close - 1)).trimmed();
    return true;
}

}  // namespace

IniDocument::IniDocument(const QByteArray& original) {
    QByteArray text = original;
    text.replace("\r\n", "\n");
    const QList<QByteArray> lines = text.split('\n');
    Group* current = nullptr;
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray& line = lines.at(i);
        // split() yields an empty last element for a file ending in a line break.
        if (i == lines.size() - 1 && line.isEmpty())
            break;
        QString name;
        if (isHeader(line, &name)) {
            current = &group(name);
            continue;
        }
        if (current)
            current->lines.append(line);
        else
            preamble_.append(line);
    }
}

IniDocument::Group& IniDocument::group(const QString& name) {
    for (Group& g : groups_) {
        if (g.name == name)
            return g;
    }
    groups_.append(Group{name, {}, {}});
    return groups_.last();
}

QString IniDocument::keyOfLine(const QByteArray& line) {
    const QByteArray t = trimmedLine(line);
    if (t.isEmpty() || t.startsWith(';') || t.startsWith('#'))
        return QString();
    const int eq = t.indexOf('=');
    if (eq < 0)
        return QString();
    return QString::fromUtf8(t.left(eq)).trimmed();
}

void IniDocument::setValue(const QString& groupName, const QString& key, const QString& text) {
    QByteArray raw;
    // QSettings marks its own typed values with a leading '@'; a text that starts with one is
    // stored with it doubled so that it reads back as plain text.
    raw = escapeString(text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text : text);
    Group& g = group(groupName);
    if (!setOrder_.contains(groupName))
        setOrder_.append(groupName);
    for (Entry& e : g.entries) {
        if (e.key == key) {
            e.rawValue = raw;
            return;
        }
    }
    g.entries.append(Entry{key, raw});
}

void IniDocument::setValue(const QString& groupName, const QString& key, int number) {
    Group& g = group(groupName);
    if (!setOrder_.contains(groupName))
        setOrder_.append(groupName);
    const QByteArray raw = QByteArray::number(number);
    for (Entry& e : g.entries) {
        if (e.key == key) {
            e.rawValue = raw;
            return;
        }
    }
    g.entries.append(Entry{key, raw});
}

QByteArray IniDocument::toBytes() const {
    QByteArray out;
    QVector<QByteArray> pre = preamble_;
    while (!pre.isEmpty() && pre.last().trimmed().isEmpty())
        pre.removeLast();
    for (const QByteArray& l : pre)
        out += l + '\n';

    auto writeGroup = [&out](const Group& g) {
        if (!out.isEmpty())
            out += '\n';
        out += '[' + g.name.toUtf8() + "]\n";
        for (const Entry& e : g.entries)
            out += e.key.toUtf8() + '=' + e.rawValue + '\n';
        QVector<QByteArray> rest;
        for (const QByteArray& l : g.lines) {
            const QString k = keyOfLine(l);
            bool replaced = false;
            for (const Entry& e : g.entries) {
                if (!k.isEmpty() && e.key == k) {
                    replaced = true;
                    break;
                }
            }
            if (!replaced)
                rest.append(l);
        }
        while (!rest.isEmpty() && rest.last().trimmed().isEmpty())
            rest.removeLast();
        for (const QByteArray& l : rest)
            out += l + '\n';
    };

    for (const QString& name : setOrder_) {
        for (const Group& g : groups_) {
            if (g.name == name)
                writeGroup(g);
        }
    }
    for (const Group& g : groups_) {
        if (!setOrder_.contains(g.name))
            writeGroup(g);
    }
    return out;
}

QByteArray IniDocument::escapeString(const QString& str) {
    QByteArray result;
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    const QChar* unicode = str.unicode();
    for (int i = 0; i < str.size(); ++i) {
        const uint ch = unicode[i].unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        // A hex escape swallows following hex digits, so a digit right after one is escaped too.
        if (escapeNextIfDigit &&
            ((ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F'))) {
            result += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
            case '\0':
                result += "\\0";
                escapeNextIfDigit = true;
                break;
            case '\a':
                result += "\\a";
                break;
            case '\b':
                result += "\\b";
                break;
            case '\f':
                result += "\\f";
                break;
            case '\n':
                result += "\\n";
                break;
            case '\r':
                result += "\\r";
                break;
            case '\t':
                result += "\\t";
                break;
            case '\v':
                result += "\\v";
                break;
            case '"':
            case '\\':
                result += '\\';
                result += char(ch);
                break;
            default:
                if (ch <= 0x1F || ch == 0x7F) {
                    result += "\\x" + QByteArray::number(ch, 16);
                    escapeNextIfDigit = true;
                } else if (ch >= 0x80) {
                    // Surrogate pairs are encoded together so that the UTF-8 bytes are valid.
                    if (QChar::isHighSurrogate(ch) && i + 1 < str.size() &&
                        unicode[i + 1].isLowSurrogate()) {
                        result += QString(unicode + i, 2).toUtf8();
                        ++i;
                    } else {
                        result += QString(unicode[i]).toUtf8();
                    }
                } else {
                    result += char(ch);
                }
        }
    }
    if (needsQuotes || (!result.isEmpty() && (result.startsWith(' ') || result.endsWith(' ')))) {
        result.prepend('"');
        result += '"';
    }
    return result;
}
