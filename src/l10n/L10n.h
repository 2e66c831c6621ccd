#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <variant>

#include "l10n/Catalog.h"

// One selectable interface language.
struct LanguageOption {
    QString id;
    QString nativeName;
    bool operator==(const LanguageOption&) const = default;
};

namespace L10n {

// A text argument for "%@" or an integer for "%d".
using Arg = std::variant<QString, qint64>;
using Args = QList<Arg>;

// Every key in stored order: the base catalog's, then each part's.
const QStringList& keys();

// Section code -> the language's own name, in catalog order.
const QList<std::pair<QString, QString>>& nativeNames();

// Codes that must never have a section.
const QStringList& excludedCodes();

// The text for a key in the current language, formatted with the arguments.
// Callable from any thread.
QString render(const QString& key, const Args& args = {});

// Template lookup and formatting for a given code, without touching settings.
QString renderIn(const Catalog::Tables& tables, const QString& code, const QString& key, const Args& args);

// A counted text: the key's plural form for the count in the current language ("tables.few"),
// else its "other" form, else the key itself. Without arguments the count is the one argument.
QString renderCount(const QString& key, qint64 count, const Args& args = {});
QString renderCountIn(const Catalog::Tables& tables, const QString& code, const QString& key, qint64 count,
                      const Args& args = {});

// Formats a template printf-style: %@, %d, %n$@, %n$d and %%.
QString format(const QString& templateText, const Args& args);

// The format specifiers of a template, sorted by code point.
QStringList specifiers(const QString& templateText);

// Consistency report of the compiled-in catalog, sorted; empty when consistent.
QStringList problems();
QStringList problems(const Catalog::Tables& tables, const QList<std::pair<QString, QString>>& names);

// The language stored under "appLanguage" when it names a section.
std::optional<QString> storedLanguage();

// The catalog code for the system's preferred languages, or "en".
QString systemCode();
QString systemCode(const QStringList& preferredLanguages, const Catalog::Tables& tables);

// Maps a system language code, with the explicit script and region of its locale,
// onto a section code candidate.
QString mapSystemLanguage(const QString& languageCode, const QString& script, const QString& region);

// The stored language if usable, else the system's.
QString currentCode();

// All languages, sorted by native name with the user's collation.
QList<LanguageOption> languageOptions();

}  // namespace L10n
