#include <limits>

#include "import/ByteFormatting.h"
#include "model/AppModel.h"
#include "settings/L10n.h"

std::optional<QString> AppModel::importBlockedReason() const {
    const auto container = selectedContainer();
    const char* key = nullptr;
    if (!container) {
        key = "blockedNoContainer";
    } else if (!container->isMysql) {
        key = "blockedNotMySQL";
    } else if (!container->running) {
        key = "blockedNotRunning";
    } else if (!selectedDatabase_) {
        key = "blockedNoDatabase";
    } else if (!dumpURL_) {
        key = "blockedNoFile";
    } else if (!effectivePassword(*container)) {
        key = "blockedNoPassword";
    }
    if (!key) return std::nullopt;
    return L10n::render(QString::fromLatin1(key));
}

void AppModel::requestImport() {
    if (importBlockedReason() || phase_.isRunning()) return;
    assign(confirmImport_, true, Field::confirmImport);
}

QString AppModel::confirmMessage() const {
    const QString dash(QChar(0x2014));
    const QString target = selectedDatabase_.value_or(dash);
    const auto container = selectedContainer();
    const QString containerName = container ? container->name : dash;
    QString sizeSentence;
    for (const MysqlDatabase& database : databases_) {
        if (database.name != target) continue;
        const quint64 limit = quint64(std::numeric_limits<qint64>::max());
        const qint64 bytes = qint64(std::min(database.bytes, limit));
        sizeSentence = L10n::render(QStringLiteral("currentSize"), {database.tables, ByteFormatting::bytes(bytes)});
        break;
    }
    const bool drops = dumpPreview_ && dumpPreview_->containsDropTable;
    return L10n::render(drops ? QStringLiteral("confirmDrop") : QStringLiteral("confirmPlain"),
                        {target, containerName, sizeSentence});
}
