#include "l10n/ByteFormatting.h"

#include <QLocale>

#include <cmath>
#include <limits>

#include "l10n/L10n.h"

namespace ByteFormatting {
namespace {

// Digits after the decimal point, from kilobytes up.
constexpr int kFractionDigits[] = {0, 1, 2, 2, 2, 2};
constexpr int kUnitCount = int(sizeof kFractionDigits / sizeof kFractionDigits[0]);
// Between number and unit: a size never wraps there.
constexpr QChar kNoBreak(0x00A0);

// KB to EB as the language writes them ("Ko" in French).
QStringList unitNames() {
    QStringList names = L10n::render(QStringLiteral("sizeUnits")).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (names.size() != kUnitCount) names = {"KB", "MB", "GB", "TB", "PB", "EB"};
    return names;
}

quint64 power10(int exponent) {
    quint64 value = 1;
    while (exponent-- > 0) value *= 10;
    return value;
}

// The magnitude in the unit that keeps the rounded number at least 1 and below 1,000.
QString formatMagnitude(quint64 magnitude, const QLocale& locale) {
    if (magnitude < 1000)
        return L10n::renderCount(QStringLiteral("sizeBytes"), qint64(magnitude), {locale.toString(qulonglong(magnitude))})
            .replace(QLatin1Char(' '), kNoBreak);

    int unit = 0;
    while (unit + 1 < kUnitCount && magnitude >= power10(3 * (unit + 2))) ++unit;
    for (;; ++unit) {
        const int digits = kFractionDigits[unit];
        const quint64 divisor = power10(3 * (unit + 1) - digits);
        // Rounded in integers: a double cannot hold every 64-bit count.
        const quint64 scaled = magnitude / divisor + (magnitude % divisor >= (divisor + 1) / 2 ? 1 : 0);
        const quint64 whole = scaled / power10(digits);
        if (whole >= 1000 && unit + 1 < kUnitCount) continue;
        QString number = locale.toString(double(scaled) / double(power10(digits)), 'f', digits);
        if (digits > 0) {
            const QString zero = locale.zeroDigit();
            while (number.endsWith(zero)) number.chop(zero.size());
            if (number.endsWith(locale.decimalPoint())) number.chop(locale.decimalPoint().size());
        }
        return number + kNoBreak + unitNames().at(unit);
    }
}

}  // namespace

QString bytes(qint64 count) {
    if (count == 0) return L10n::render(QStringLiteral("sizeZero")).replace(QLatin1Char(' '), kNoBreak);
    // The interface language's numbers (a decimal comma in German), not the system's.
    QLocale locale(L10n::currentCode());
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const quint64 magnitude = count < 0 ? quint64(-(count + 1)) + 1 : quint64(count);
    const QString text = formatMagnitude(magnitude, locale);
    return count < 0 ? locale.negativeSign() + text : text;
}

QString bytes(quint64 count) {
    const quint64 largest = quint64(std::numeric_limits<qint64>::max());
    return bytes(qint64(count > largest ? largest : count));
}

QString speed(double bytesPerSecond) {
    if (!(bytesPerSecond > 1)) return QStringLiteral("…");
    // 2^63 as a double; anything from there on is clamped.
    const double limit = 9223372036854775808.0;
    const qint64 whole = bytesPerSecond >= limit ? std::numeric_limits<qint64>::max() : qint64(bytesPerSecond);
    return bytes(whole) + QStringLiteral("/s");
}

QString duration(double seconds) {
    const double rounded = std::round(seconds);
    const qint64 s = rounded > 0 && rounded < 9223372036854775808.0 ? qint64(rounded) : 0;
    if (s <= 59) return L10n::render(QStringLiteral("seconds"), {s});
    if (s < 3600) {
        if (s % 60 == 0) return L10n::render(QStringLiteral("minutes"), {qint64(s / 60)});
        return L10n::render(QStringLiteral("minutesSeconds"), {qint64(s / 60), qint64(s % 60)});
    }
    return L10n::render(QStringLiteral("hoursMinutes"), {qint64(s / 3600), qint64((s / 60) % 60)});
}

}  // namespace ByteFormatting
