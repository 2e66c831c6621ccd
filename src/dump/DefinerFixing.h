#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include "sql/SqlTokens.h"

// Who owns the stored objects a dump creates. Under a temporary account, every object must
// belong to the owner role: an account named by DEFINER would lend the dump its rights, and
// one created without a DEFINER would belong to the account, which is about to go.
namespace DefinerFixing {

struct Replacement {
    qsizetype begin = 0;
    qsizetype end = 0;  // equal to begin for an insertion
    QByteArray text;
    QByteArray replaced;  // the account as the dump wrote it, "user@host", or CURRENT_USER
};

// Every DEFINER = <account>, CURRENT_USER or CURRENT_USER() becomes CURRENT_ROLE; a CREATE of
// a view, trigger, routine or event without a DEFINER gets one.
QList<Replacement> toCurrentRole(QByteArrayView statement, const QList<SqlTokens::Token>& codeTokens);

}  // namespace DefinerFixing
