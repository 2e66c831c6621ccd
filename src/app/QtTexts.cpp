#include "app/QtTexts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include "l10n/L10n.h"
#include "settings/SettingsStore.h"

QtTexts::QtTexts(SettingsStore& settings, QObject* parent) : QObject(parent), translator_(new QTranslator(this)) {
    apply(L10n::currentCode());
    connect(&settings, &SettingsStore::languageChoiceChanged, this, [this] { apply(L10n::currentCode()); });
}

QtTexts::~QtTexts() {
    if (installed_) QCoreApplication::removeTranslator(translator_);
}

QStringList QtTexts::fileNames(const QString& code) {
    // Qt names its files by locale; Chinese by region, Portuguese only in its Brazilian form.
    if (code == u"en") return {};  // Qt's own language
    if (code == u"zh-Hans") return {QStringLiteral("qtbase_zh_CN")};
    if (code == u"zh-Hant") return {QStringLiteral("qtbase_zh_TW")};
    if (code == u"pt") return {QStringLiteral("qtbase_pt"), QStringLiteral("qtbase_pt_BR")};
    if (code == u"nb") return {QStringLiteral("qtbase_nb"), QStringLiteral("qtbase_no")};
    // Never the Cyrillic file for the Latin script.
    if (code == u"sr-Latn") return {QStringLiteral("qtbase_sr@latin"), QStringLiteral("qtbase_sr_Latn")};
    return {QStringLiteral("qtbase_") + code};
}

QString QtTexts::fileIn(const QString& code, const QString& folder) {
    for (const QString& name : fileNames(code)) {
        const QString path = folder + u'/' + name + QStringLiteral(".qm");
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

bool QtTexts::apply(const QString& code) {
    if (installed_) QCoreApplication::removeTranslator(translator_);
    installed_ = false;
    const QString path = fileIn(code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (path.isEmpty() || !translator_->load(path)) return false;
    installed_ = QCoreApplication::installTranslator(translator_);
    return installed_;
}
