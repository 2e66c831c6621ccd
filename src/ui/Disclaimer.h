#pragma once

#include <QString>

// The settings window's closing texts, in the given language.
struct Disclaimer {
    QString licenseButtonTitle;
    QString websiteButtonTitle;
    QString licenseSummary;

    static Disclaimer forLanguage(const QString& code);
};
