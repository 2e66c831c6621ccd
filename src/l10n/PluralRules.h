#pragma once

#include <QList>
#include <QString>

// CLDR plural categories of whole numbers, one small rule per catalog language.
namespace PluralRules {

enum class Form { one, two, few, many, other };

// The category a count takes in the language of a catalog code; "other" for unknown codes.
Form forCount(const QString& code, qint64 count);

// The suffix of a plural form's key: "one", "two", "few", "many", "other".
QString name(Form form);

// Every category in stored order; a plural text has one key for each in every language.
const QList<Form>& all();

}  // namespace PluralRules
