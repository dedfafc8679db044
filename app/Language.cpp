#include "app/Language.h"

#include "app/AppPaths.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSettings>
#include <QStringList>
#include <QTranslator>

namespace {

QSettings languageStore() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Miravelo"));
}

}  // namespace

const QVector<Language::Entry>& Language::table() {
    static const QVector<Entry> rows = {
        {QStringLiteral("English"), QStringLiteral("en_us.qm"), QStringLiteral("English")},
        {QStringLiteral("French"), QStringLiteral("french.qm"), QString::fromUtf8("Français")},
        {QStringLiteral("TrdChina"), QStringLiteral("trd_cn.qm"), QString::fromUtf8("繁體")},
        {QStringLiteral("German"), QStringLiteral("German.qm"), QStringLiteral("Deutsch")},
        {QStringLiteral("Spanish"), QStringLiteral("Spanish.qm"), QString::fromUtf8("Español")},
        {QStringLiteral("Italian"), QStringLiteral("Italian.qm"),
         QStringLiteral("lingua italiana")},
        {QStringLiteral("Japanese"), QStringLiteral("Japanese.qm"), QString::fromUtf8("日本語")},
        {QStringLiteral("Russian"), QStringLiteral("Russian.qm"), QString::fromUtf8("русский")},
        {QStringLiteral("SChina"), QStringLiteral("zh_cn.qm"), QString::fromUtf8("中文")},
    };
    return rows;
}

QStringList Language::menuOrder() {
    return {QStringLiteral("SChina"),  QStringLiteral("TrdChina"), QStringLiteral("English"),
            QStringLiteral("French"),  QStringLiteral("German"),   QStringLiteral("Spanish"),
            QStringLiteral("Italian"), QStringLiteral("Japanese"), QStringLiteral("Russian")};
}

QString Language::menuTextFor(const QString& storedValue) {
    for (const Entry& e : table()) {
        if (e.storedValue == storedValue)
            return e.menuText;
    }
    return QString();
}

QString Language::translationFileFor(const QString& storedValue) {
    for (const Entry& e : table()) {
        if (e.storedValue == storedValue)
            return e.fileName;
    }
    return QStringLiteral("en_us.qm");
}

QString Language::translationPathFor(const QString& storedValue) {
    return AppPaths::applicationDir() + QStringLiteral("/Language/") +
           translationFileFor(storedValue);
}

QString Language::storedValue() {
    QSettings s = languageStore();
    return s.value(QStringLiteral("Language")).toString();
}

void Language::store(const QString& storedValue) {
    QSettings s = languageStore();
    s.setValue(QStringLiteral("Language"), storedValue);
    s.sync();
}

bool Language::loadInto(QTranslator& translator) {
    // An exact path: no search suffixes, so "German" never picks up a "German_xx" neighbour.
    const QString path = translationPathFor(storedValue());
    return translator.load(path, QString(), QStringLiteral(""), QStringLiteral(""));
}

bool Language::startNewInstance() {
    return QProcess::startDetached(QCoreApplication::applicationFilePath(), QStringList());
}
