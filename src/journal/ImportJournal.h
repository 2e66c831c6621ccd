#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

#include "dump/KeptPoint.h"
#include "journal/DumpIdentity.h"

// What an import that did not finish leaves behind, so that it can continue where it stopped:
// which dump, into which database of which container, with which tables, and how far its
// committed work reaches.
struct ImportJournal {
    QString dumpPath;
    DumpIdentity dump;
    QString container;
    QString database;
    QStringList onlyTables;    // the user's choice of tables, as the import had it
    QStringList exceptTables;
    KeptPoint kept;

    bool operator==(const ImportJournal&) const = default;
};

namespace ImportJournals {

QByteArray toJson(const ImportJournal& journal);
// Nothing for text that is not a journal of this version.
std::optional<ImportJournal> fromJson(QByteArrayView text);

}  // namespace ImportJournals
