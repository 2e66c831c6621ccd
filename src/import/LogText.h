#pragma once

#include <QString>

// A line of a child's output as the log and the terminal show it: at most 1,000 characters,
// marked with "…" where cut, and no control characters that a terminal would act on.
namespace LogText {

constexpr qsizetype kShownCharacters = 1000;

QString shown(const QString& line);

}  // namespace LogText
