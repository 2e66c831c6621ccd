// A new, empty database on the server in a container, through its command-line client.
#include <QRegularExpression>

#include "docker/DockerClient.h"
#include "docker/DockerError.h"
#include "docker/SqlText.h"

namespace SqlText {

QString quotedIdentifier(const QString& name) {
    return QLatin1Char('`') + QString(name).replace(QLatin1Char('`'), QStringLiteral("``")) + QLatin1Char('`');
}

bool isPlainName(const QString& word) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_]{1,64}$"));
    return plain.match(word).hasMatch();
}

QString createDatabaseStatement(const QString& name, const QString& collation) {
    QString statement =
        QStringLiteral("CREATE DATABASE ") + quotedIdentifier(name) + QStringLiteral(" CHARACTER SET utf8mb4");
    if (isPlainName(collation)) statement += QStringLiteral(" COLLATE ") + collation;
    return statement;
}

}  // namespace SqlText

void DockerClient::createDatabase(const QString& containerName, const QString& clientProgram, const QString& user,
                                  const QString& password, const QString& name, const QString& collation) const {
    QProcessEnvironment environment = processEnvironment();
    environment.insert(QStringLiteral("MYSQL_PWD"), password);  // by name only on the command line
    const CommandResult result =
        runBounded(docker,
                   {QStringLiteral("exec"), QStringLiteral("-e"), QStringLiteral("MYSQL_PWD"), containerName,
                    clientProgram, QStringLiteral("-u") + user, QStringLiteral("--batch"), QStringLiteral("-e"),
                    SqlText::createDatabaseStatement(name, collation)},
                   environment, metadataLimitMs(), engine);
    if (result.status != 0) {
        throw DockerError::mysqlFailed(text(result.stderrBytes, text(result.stdoutBytes, QString())));
    }
}
