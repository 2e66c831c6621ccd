#pragma once

#include <QList>
#include <QString>

#include "dump/KeptPoint.h"
#include "dump/TableBoard.h"

// How an import ended.
struct ImportOutcome {
    enum class Kind { success, failed, cancelled };

    Kind kind = Kind::cancelled;
    double elapsed = 0;  // success: seconds the import took
    QString message;     // failed: the text to show, in the user's language
    QList<TableLoad> tables{};  // how far each table came, once the import has ended
    KeptPoint kept{};           // not a success: how far the committed work reaches; end 0 when nothing

    static ImportOutcome success(double seconds) { return {Kind::success, seconds, {}, {}}; }
    static ImportOutcome failed(QString text) { return {Kind::failed, 0, std::move(text), {}}; }
    static ImportOutcome cancelled() { return {Kind::cancelled, 0, {}, {}}; }

    bool operator==(const ImportOutcome&) const = default;
};
