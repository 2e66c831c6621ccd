#include "l10n/L10n.h"

#include <QCollator>
#include <QSet>

#include <algorithm>
#include <climits>

#include "l10n/PluralRules.h"
#include "l10n/UserSettings.h"

namespace L10n {
namespace {

QString argumentText(const Arg& arg) {
    if (const auto* text = std::get_if<QString>(&arg)) return *text;
    return QString::number(std::get<qint64>(arg));
}

QString quotedList(const QStringList& items) {
    QStringList quoted;
    for (const QString& item : items) quoted << u'"' + item + u'"';
    return u'[' + quoted.join(QStringLiteral(", ")) + u']';
}

}  // namespace

QString format(const QString& templateText, const Args& args) {
    QString out;
    out.reserve(templateText.size() + 32);
    qsizetype next = 0;  // the argument a non-positional specifier takes
    const qsizetype n = templateText.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = templateText[i];
        if (c != u'%' || i + 1 >= n) {
            out += c;
            continue;
        }
        if (templateText[i + 1] == u'%') {
            out += u'%';
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        qsizetype position = 0;
        // Capped: a long run of digits must not overflow, and any such position is out of range.
        while (j < n && templateText[j].isDigit()) {
            position = qMin<qsizetype>(position * 10 + templateText[j++].digitValue(), INT_MAX);
        }
        const bool positional = j > i + 1 && j < n && templateText[j] == u'$';
        if (positional) {
            ++j;
        } else {
            j = i + 1;  // digits without "$" are not a position
        }
        if (j >= n || (templateText[j] != u'@' && templateText[j] != u'd')) {
            out += c;  // not a specifier this formatter knows: keep it literally
            continue;
        }
        const qsizetype index = positional ? position - 1 : next++;
        if (index < 0 || index >= args.size()) {
            out += templateText.mid(i, j - i + 1);
        } else {
            out += argumentText(args[index]);
        }
        i = j;
    }
    return out;
}

QString renderIn(const Catalog::Tables& tables, const QString& code, const QString& key, const Args& args) {
    QString templateText = key;
    const auto section = tables.constFind(code);
    if (section != tables.cend() && section->contains(key)) {
        templateText = section->value(key);
    } else {
        const auto english = tables.constFind(QStringLiteral("en"));
        if (english != tables.cend() && english->contains(key)) templateText = english->value(key);
    }
    if (args.isEmpty()) return templateText;
    return format(templateText, args);
}

QString render(const QString& key, const Args& args) { return renderIn(Catalog::tables(), currentCode(), key, args); }

QString renderCountIn(const Catalog::Tables& tables, const QString& code, const QString& key, qint64 count,
                      const Args& args) {
    const Args used = args.isEmpty() ? Args{count} : args;
    const auto inLanguage = [&](const QString& language) -> QString {
        const auto section = tables.constFind(language);
        if (section == tables.cend()) return {};
        const QString form = key + u'.' + PluralRules::name(PluralRules::forCount(language, count));
        const QString other = key + QStringLiteral(".other");
        if (section->contains(form)) return form;
        if (section->contains(other)) return other;
        return {};
    };
    QString chosen = inLanguage(code);
    if (chosen.isEmpty()) chosen = inLanguage(QStringLiteral("en"));
    // A key without plural forms still works as a plain text.
    return renderIn(tables, code, chosen.isEmpty() ? key : chosen, used);
}

QString renderCount(const QString& key, qint64 count, const Args& args) {
    return renderCountIn(Catalog::tables(), currentCode(), key, count, args);
}

QStringList specifiers(const QString& templateText) {
    QStringList found;
    const qsizetype n = templateText.size();
    qsizetype i = 0;
    while (i < n) {
        if (templateText[i] != u'%') {
            ++i;
            continue;
        }
        if (i + 1 >= n) {
            found << QStringLiteral("%");
            break;
        }
        if (templateText[i + 1] == u'%') {
            i += 2;
            continue;
        }
        qsizetype j = i + 1;
        while (j < n && templateText[j] != u'@' && templateText[j] != u'd') ++j;
        const qsizetype end = std::min(j + 1, n);
        found << templateText.mid(i, end - i);
        i = end;
    }
    std::sort(found.begin(), found.end());  // QString compares by UTF-16 code units
    return found;
}

QStringList problems() { return problems(Catalog::tables(), nativeNames()); }

QStringList problems(const Catalog::Tables& tables, const QList<std::pair<QString, QString>>& names) {
    QStringList lines;
    const Catalog::Table english = tables.value(QStringLiteral("en"));
    const QStringList& all = keys();
    if (english.size() != all.size()) lines << QStringLiteral("en has %1 strings").arg(english.size());
    for (const QString& key : all) {
        if (!english.contains(key)) lines << QStringLiteral("en missing ") + key;
    }
    QSet<QString> named;
    for (const auto& [code, name] : names) named.insert(code);
    for (auto section = tables.cbegin(); section != tables.cend(); ++section) {
        const QString& code = section.key();
        const Catalog::Table& table = section.value();
        if (excludedCodes().contains(code)) lines << QStringLiteral("banned ") + code;
        if (!named.contains(code)) lines << code + QStringLiteral(" has no native name");
        for (const QString& key : all) {
            if (!table.contains(key)) {
                lines << code + QStringLiteral(" missing ") + key;
                continue;
            }
            const QStringList found = specifiers(table.value(key));
            const QStringList expected = specifiers(english.value(key));
            if (found != expected) {
                lines << code + u'.' + key + QStringLiteral(" placeholders ") + quotedList(found) +
                             QStringLiteral(" expected ") + quotedList(expected);
            }
        }
        for (auto entry = table.cbegin(); entry != table.cend(); ++entry) {
            if (!all.contains(entry.key())) lines << code + QStringLiteral(" extra ") + entry.key();
        }
    }
    for (const auto& [code, name] : names) {
        if (!tables.contains(code)) lines << QStringLiteral("name without table ") + code;
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::optional<QString> storedLanguage() {
    const QString stored = UserSettings::open()->value(QStringLiteral("appLanguage")).toString();
    if (stored.isEmpty() || stored == QStringLiteral("system")) return std::nullopt;
    if (!Catalog::tables().contains(stored)) return std::nullopt;
    return stored;
}

QString mapSystemLanguage(const QString& languageCode, const QString& script, const QString& region) {
    if (languageCode == u"uk") return {};
    if (languageCode == u"no") return QStringLiteral("nb");
    if (languageCode == u"sr") return script == u"Latn" ? QStringLiteral("sr-Latn") : QStringLiteral("sr");
    if (languageCode == u"yue") return script == u"Hans" ? QStringLiteral("zh-Hans") : QStringLiteral("zh-Hant");
    if (languageCode == u"zh") {
        if (script == u"Hant") return QStringLiteral("zh-Hant");
        if (region == u"TW" || region == u"HK" || region == u"MO") return QStringLiteral("zh-Hant");
        return QStringLiteral("zh-Hans");
    }
    return languageCode;
}

namespace {

// The explicit subtags of a BCP 47 identifier ("zh-Hant-TW", "sr_RS"): Qt would fill in
// likely scripts and regions, which the mapping must not see.
struct Subtags {
    QString script;
    QString region;
};

Subtags explicitSubtags(const QString& identifier) {
    Subtags tags;
    const QStringList parts = QString(identifier).replace(u'_', u'-').split(u'-', Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part.size() == 4 && tags.script.isEmpty() && tags.region.isEmpty()) {
            tags.script = part.left(1).toUpper() + part.mid(1).toLower();
        } else if ((part.size() == 2 || (part.size() == 3 && part[0].isDigit())) && tags.region.isEmpty()) {
            tags.region = part.toUpper();
        }
    }
    return tags;
}

}  // namespace

QString systemCode(const QStringList& preferredLanguages, const Catalog::Tables& tables) {
    if (preferredLanguages.isEmpty()) return QStringLiteral("en");
    const QString& identifier = preferredLanguages.first();
    const QLocale locale(identifier);
    QString language = locale.language() == QLocale::C ? QString() : QLocale::languageToCode(locale.language());
    if (language.isEmpty()) return QStringLiteral("en");
    const Subtags tags = explicitSubtags(identifier);
    const QString mapped = mapSystemLanguage(language, tags.script, tags.region);
    return tables.contains(mapped) ? mapped : QStringLiteral("en");
}

QString systemCode() { return systemCode(QLocale::system().uiLanguages(), Catalog::tables()); }

QString currentCode() {
    if (auto stored = storedLanguage()) return *stored;
    return systemCode();
}

QList<LanguageOption> languageOptions() {
    QList<LanguageOption> options;
    for (const auto& [code, name] : nativeNames()) options.append({code, name});
    QCollator collator(QLocale::system());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::stable_sort(options.begin(), options.end(), [&](const LanguageOption& a, const LanguageOption& b) {
        return collator.compare(a.nativeName, b.nativeName) < 0;
    });
    return options;
}

}  // namespace L10n
