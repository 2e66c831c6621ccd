#include "l10n/PluralRules.h"

#include <QHash>
#include <QList>

namespace PluralRules {
namespace {

using Rule = Form (*)(quint64 n);

bool between(quint64 value, quint64 low, quint64 high) { return value >= low && value <= high; }

Form onlyOther(quint64) { return Form::other; }

Form oneIsOne(quint64 n) { return n == 1 ? Form::one : Form::other; }

// Large round numbers take the genitive-like form ("1 000 000 de …").
Form millions(quint64 n) { return n != 0 && n % 1000000 == 0 ? Form::many : Form::other; }

Form oneOrMillions(quint64 n) { return n == 1 ? Form::one : millions(n); }

// French and Brazilian Portuguese count zero as singular.
Form zeroOneOrMillions(quint64 n) { return n <= 1 ? Form::one : millions(n); }

// Icelandic and Macedonian: 1, 21, 31 … but not 11, 111 …
Form endsInOne(quint64 n) { return n % 10 == 1 && n % 100 != 11 ? Form::one : Form::other; }

Form romanian(quint64 n) {
    if (n == 1) return Form::one;
    if (n == 0 || between(n % 100, 1, 19)) return Form::few;
    return Form::other;
}

Form czechSlovak(quint64 n) {
    if (n == 1) return Form::one;
    if (between(n, 2, 4)) return Form::few;
    return Form::other;  // "many" only for fractions
}

Form polish(quint64 n) {
    if (n == 1) return Form::one;
    if (between(n % 10, 2, 4) && !between(n % 100, 12, 14)) return Form::few;
    return Form::many;
}

// Russian and Belarusian: whole numbers never take "other", which is for fractions.
Form eastSlavic(quint64 n) {
    if (n % 10 == 1 && n % 100 != 11) return Form::one;
    if (between(n % 10, 2, 4) && !between(n % 100, 12, 14)) return Form::few;
    return Form::many;
}

// Croatian, Bosnian and Serbian in either script.
Form southSlavic(quint64 n) {
    if (n % 10 == 1 && n % 100 != 11) return Form::one;
    if (between(n % 10, 2, 4) && !between(n % 100, 12, 14)) return Form::few;
    return Form::other;
}

Form slovenian(quint64 n) {
    switch (n % 100) {
    case 1: return Form::one;
    case 2: return Form::two;
    case 3:
    case 4: return Form::few;
    default: return Form::other;
    }
}

const QHash<QString, Rule>& rules() {
    static const QHash<QString, Rule> table = {
        {QStringLiteral("en"), oneIsOne},
        {QStringLiteral("de"), oneIsOne},
        {QStringLiteral("nl"), oneIsOne},
        {QStringLiteral("da"), oneIsOne},
        {QStringLiteral("sv"), oneIsOne},
        {QStringLiteral("nb"), oneIsOne},
        {QStringLiteral("nn"), oneIsOne},
        {QStringLiteral("is"), endsInOne},
        {QStringLiteral("fo"), oneIsOne},
        {QStringLiteral("lb"), oneIsOne},
        {QStringLiteral("fr"), zeroOneOrMillions},
        {QStringLiteral("es"), oneOrMillions},
        {QStringLiteral("it"), oneOrMillions},
        {QStringLiteral("pt"), zeroOneOrMillions},
        {QStringLiteral("ro"), romanian},
        {QStringLiteral("ca"), oneOrMillions},
        {QStringLiteral("gl"), oneIsOne},
        {QStringLiteral("rm"), oneIsOne},
        {QStringLiteral("pl"), polish},
        {QStringLiteral("cs"), czechSlovak},
        {QStringLiteral("sk"), czechSlovak},
        {QStringLiteral("sl"), slovenian},
        {QStringLiteral("hr"), southSlavic},
        {QStringLiteral("bs"), southSlavic},
        {QStringLiteral("sr"), southSlavic},
        {QStringLiteral("sr-Latn"), southSlavic},
        {QStringLiteral("bg"), oneIsOne},
        {QStringLiteral("mk"), endsInOne},
        {QStringLiteral("be"), eastSlavic},
        {QStringLiteral("ru"), eastSlavic},
        {QStringLiteral("zh-Hans"), onlyOther},
        {QStringLiteral("zh-Hant"), onlyOther},
        {QStringLiteral("ja"), onlyOther},
        {QStringLiteral("ko"), onlyOther},
    };
    return table;
}

}  // namespace

Form forCount(const QString& code, qint64 count) {
    // The rules read the digits, so a negative count takes the form of its magnitude.
    const quint64 n = count < 0 ? quint64(0) - quint64(count) : quint64(count);
    const auto rule = rules().constFind(code);
    return rule == rules().cend() ? Form::other : (*rule)(n);
}

QString name(Form form) {
    switch (form) {
    case Form::one: return QStringLiteral("one");
    case Form::two: return QStringLiteral("two");
    case Form::few: return QStringLiteral("few");
    case Form::many: return QStringLiteral("many");
    case Form::other: break;
    }
    return QStringLiteral("other");
}

const QList<Form>& all() {
    static const QList<Form> forms = {Form::one, Form::two, Form::few, Form::many, Form::other};
    return forms;
}

}  // namespace PluralRules
