#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QTranslator;
class SettingsStore;

// Qt's own texts (file dialogs, context menus, standard buttons) in the interface language,
// from the distribution's Qt translations; they follow every change of the language.
class QtTexts : public QObject {
    Q_OBJECT

public:
    explicit QtTexts(SettingsStore& settings, QObject* parent = nullptr);
    ~QtTexts() override;

    // Qt's translation file names for a catalog code, best first ("qtbase_zh_CN").
    static QStringList fileNames(const QString& code);
    // The first of those present in the folder, as a path; empty when none is.
    static QString fileIn(const QString& code, const QString& folder);

    // Loads and installs the texts for a code; false when Qt has none (English stays then).
    bool apply(const QString& code);

private:
    QTranslator* translator_;
    bool installed_ = false;
};
