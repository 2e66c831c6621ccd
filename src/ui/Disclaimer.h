#pragma once

#include <QString>

// The settings window's closing texts, written for English, German and Spanish; every other
// language shows the English ones.
struct Disclaimer {
    QString licenseButtonTitle;
    QString websiteButtonTitle;
    QString licenseSummary;

    static Disclaimer forLanguage(const QString& code);
};
