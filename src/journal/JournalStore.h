#pragma once

#include <QString>

#include <optional>

#include "journal/ImportJournal.h"

// The journals of imports that did not finish, one per container and database, under
// $XDG_STATE_HOME/Tarnwell/journals (~/.local/state by default).
namespace JournalStore {

QString folder();
std::optional<ImportJournal> load(const QString& container, const QString& database);
// Written whole under another name, then renamed: a journal is never half written. False when
// it could not be written.
bool save(const ImportJournal& journal);
void remove(const QString& container, const QString& database);

}  // namespace JournalStore
