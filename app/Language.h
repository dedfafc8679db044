#pragma once

#include <QString>
#include <QVector>

class QTranslator;

// The interface language: a value in the per-user store (QSettings native format, user scope,
// organisation "Miravelo", key "Language"), the translation file it selects from
// <application directory>/Language/, and the restart that applies a change. The running program
// never retranslates itself.
class Language {
public:
    struct Entry {
        QString storedValue;  // what the store holds, compared case-sensitively
        QString fileName;     // compiled translation in <application directory>/Language/
        QString menuText;     // the language menu entry, never translated
    };

    // The nine languages in the order in which a stored value is compared.
    static const QVector<Entry>& table();
    // The stored values in the order of the language menu.
    static QStringList menuOrder();
    // The menu text of a stored value, or an empty string.
    static QString menuTextFor(const QString& storedValue);

    // The file for a stored value: the first row that matches exactly, else "en_us.qm".
    static QString translationFileFor(const QString& storedValue);
    // <application directory>/Language/<file>.
    static QString translationPathFor(const QString& storedValue);

    // The stored value; empty when none was ever stored.
    static QString storedValue();
    // Writes the value to the store and flushes it, so a process started next reads it.
    static void store(const QString& storedValue);

    // Loads the translation chosen by the store into the translator. The result may be ignored:
    // a missing or broken file leaves every text in its source language.
    static bool loadInto(QTranslator& translator);

    // Starts a new, detached instance of this program without arguments.
    static bool startNewInstance();
};
