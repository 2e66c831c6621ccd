#include "l10n/CatalogParts.h"
#include "l10n/L10n.h"

namespace L10n {

namespace {

QStringList baseKeys() {
    return {
        QStringLiteral("settings"),
        QStringLiteral("language"),
        QStringLiteral("languageSystem"),
        QStringLiteral("languageHint"),
        QStringLiteral("dumpFolder"),
        QStringLiteral("dumpFolderNone"),
        QStringLiteral("chooseFolder"),
        QStringLiteral("clearFolder"),
        QStringLiteral("container"),
        QStringLiteral("readingDocker"),
        QStringLiteral("noContainers"),
        QStringLiteral("showStopped"),
        QStringLiteral("refresh"),
        QStringLiteral("noMySQL"),
        QStringLiteral("notMySQL"),
        QStringLiteral("noContainer"),
        QStringLiteral("startDocker"),
        QStringLiteral("databases"),
        QStringLiteral("noPassword"),
        QStringLiteral("noDatabases"),
        QStringLiteral("systemTables"),
        QStringLiteral("tables"),
        QStringLiteral("dump"),
        QStringLiteral("containsDrop"),
        QStringLiteral("dropHere"),
        QStringLiteral("chooseFile"),
        QStringLiteral("disableUnique"),
        QStringLiteral("disableFK"),
        QStringLiteral("disableBinlog"),
        QStringLiteral("binlogOff"),
        QStringLiteral("bufferPool"),
        QStringLiteral("login"),
        QStringLiteral("user"),
        QStringLiteral("passwordHint"),
        QStringLiteral("testConnection"),
        QStringLiteral("writingTail"),
        QStringLiteral("progress"),
        QStringLiteral("importDone"),
        QStringLiteral("importCancelled"),
        QStringLiteral("cancel"),
        QStringLiteral("startImport"),
        QStringLiteral("confirmTitle"),
        QStringLiteral("pipeRunning"),
        QStringLiteral("pipeHint"),
        QStringLiteral("running"),
        QStringLiteral("stopped"),
        QStringLiteral("volume"),
        QStringLiteral("confirmDrop"),
        QStringLiteral("confirmPlain"),
        QStringLiteral("currentSize"),
        QStringLiteral("importTo"),
        QStringLiteral("finishedLog"),
        QStringLiteral("cancelledLog"),
        QStringLiteral("blockedNoContainer"),
        QStringLiteral("blockedNotMySQL"),
        QStringLiteral("blockedNotRunning"),
        QStringLiteral("blockedNoDatabase"),
        QStringLiteral("blockedNoFile"),
        QStringLiteral("blockedNoPassword"),
        QStringLiteral("seconds"),
        QStringLiteral("minutes"),
        QStringLiteral("minutesSeconds"),
        QStringLiteral("hoursMinutes"),
        QStringLiteral("measuring"),
        QStringLiteral("remaining"),
        QStringLiteral("dockerMissing"),
        QStringLiteral("dockerNotRunning"),
        QStringLiteral("dockerNotRunningDetail"),
        QStringLiteral("gzipMissing"),
        QStringLiteral("dockerPsFailed"),
        QStringLiteral("mysqlConnectFailed"),
        QStringLiteral("mysqlNoReply"),
        QStringLiteral("importNotStarted"),
        QStringLiteral("mysqlStatus"),
        QStringLiteral("gzipStatus"),
        QStringLiteral("sizeUnreadable"),
        QStringLiteral("dumpUnreadable"),
        QStringLiteral("writeAborted"),
        QStringLiteral("readFailed"),
        QStringLiteral("dockerTimeout"),
        QStringLiteral("notRegularFile"),
        QStringLiteral("dumpChanged"),
        QStringLiteral("cancelledPartial"),
        QStringLiteral("fileDamaged"),
        QStringLiteral("dockerPermission"),
    };
}

}  // namespace

const QStringList& keys() {
    static const QStringList list = [] {
        QStringList all = baseKeys();
        for (const CatalogParts::Part& part : CatalogParts::extra())
            all += QString::fromLatin1(part.keys).split(u' ', Qt::SkipEmptyParts);
        return all;
    }();
    return list;
}

const QList<std::pair<QString, QString>>& nativeNames() {
    static const QList<std::pair<QString, QString>> names = {
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("nl"), QStringLiteral("Nederlands")},
        {QStringLiteral("da"), QStringLiteral("Dansk")},
        {QStringLiteral("sv"), QStringLiteral("Svenska")},
        {QStringLiteral("nb"), QStringLiteral("Norsk bokmål")},
        {QStringLiteral("nn"), QStringLiteral("Norsk nynorsk")},
        {QStringLiteral("is"), QStringLiteral("Íslenska")},
        {QStringLiteral("fo"), QStringLiteral("Føroyskt")},
        {QStringLiteral("lb"), QStringLiteral("Lëtzebuergesch")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},
        {QStringLiteral("pt"), QStringLiteral("Português")},
        {QStringLiteral("ro"), QStringLiteral("Română")},
        {QStringLiteral("ca"), QStringLiteral("Català")},
        {QStringLiteral("gl"), QStringLiteral("Galego")},
        {QStringLiteral("rm"), QStringLiteral("Rumantsch")},
        {QStringLiteral("pl"), QStringLiteral("Polski")},
        {QStringLiteral("cs"), QStringLiteral("Čeština")},
        {QStringLiteral("sk"), QStringLiteral("Slovenčina")},
        {QStringLiteral("sl"), QStringLiteral("Slovenščina")},
        {QStringLiteral("hr"), QStringLiteral("Hrvatski")},
        {QStringLiteral("bs"), QStringLiteral("Bosanski")},
        {QStringLiteral("sr"), QStringLiteral("Српски")},
        {QStringLiteral("sr-Latn"), QStringLiteral("Srpski (latinica)")},
        {QStringLiteral("bg"), QStringLiteral("Български")},
        {QStringLiteral("mk"), QStringLiteral("Македонски")},
        {QStringLiteral("be"), QStringLiteral("Беларуская")},
        {QStringLiteral("ru"), QStringLiteral("Русский")},
        {QStringLiteral("zh-Hans"), QStringLiteral("简体中文")},
        {QStringLiteral("zh-Hant"), QStringLiteral("繁體中文")},
        {QStringLiteral("ja"), QStringLiteral("日本語")},
        {QStringLiteral("ko"), QStringLiteral("한국어")},
    };
    return names;
}

const QStringList& excludedCodes() {
    static const QStringList codes = {QStringLiteral("uk")};
    return codes;
}

}  // namespace L10n
