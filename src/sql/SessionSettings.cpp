#include "sql/SessionSettings.h"

#include <QList>

namespace SessionSettings {

bool isSessionSetting(QByteArrayView statement, SqlTokens::Quoting quoting) {
    const QList<SqlTokens::Token> tokens = SqlTokens::codeTokens(statement, -1, quoting);
    if (tokens.size() < 2 || !SqlTokens::isKeyword(statement, tokens[0], "SET")) return false;
    for (const QByteArrayView word : {"PASSWORD", "ROLE", "DEFAULT", "STATEMENT", "TRANSACTION"})
        if (SqlTokens::isKeyword(statement, tokens[1], word)) return false;
    for (const SqlTokens::Token& token : tokens) {
        if (token.kind != SqlTokens::Kind::word) continue;
        const QByteArray word = statement.sliced(token.begin, token.end - token.begin).toByteArray().toLower();
        if (word == "global" || word == "@@global" || word == "persist" || word == "persist_only" ||
            word == "@@persist" || word == "@@persist_only" || word == "autocommit" || word == "@@autocommit" ||
            word == "completion_type" || word == "@@completion_type")
            return false;
    }
    return true;
}

}  // namespace SessionSettings
