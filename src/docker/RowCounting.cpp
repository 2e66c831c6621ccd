// How many rows a table holds now, through the server's command-line client.
#include "docker/DockerClient.h"
#include "docker/DockerError.h"
#include "docker/SqlText.h"

namespace {

constexpr int kNoSuchTable = 1146;
// Counting a big table reads all of it; the window waits in the background meanwhile.
constexpr int kCountLimitMs = 30 * 60 * 1000;

}  // namespace

std::optional<qint64> DockerClient::countRows(const QString& containerName, const QString& clientProgram,
                                              const QString& user, const QString& password, const QString& database,
                                              const QString& table) const {
    QProcessEnvironment environment = processEnvironment();
    environment.insert(QStringLiteral("MYSQL_PWD"), password);  // by name only on the command line
    const QString query = QStringLiteral("SELECT COUNT(*) FROM ") + SqlText::quotedIdentifier(database) +
                          QLatin1Char('.') + SqlText::quotedIdentifier(table);
    const CommandResult result =
        runBounded(docker,
                   {QStringLiteral("exec"), QStringLiteral("-e"), QStringLiteral("MYSQL_PWD"), containerName,
                    clientProgram, QStringLiteral("-u") + user, QStringLiteral("--batch"),
                    QStringLiteral("--skip-column-names"), QStringLiteral("-e"), query},
                   environment, kCountLimitMs, engine);
    if (result.status != 0) {
        if (result.stderrBytes.startsWith("ERROR " + QByteArray::number(kNoSuchTable) + ' ')) return std::nullopt;
        throw DockerError::mysqlFailed(text(result.stderrBytes, text(result.stdoutBytes, QString())));
    }
    bool ok = false;
    const qint64 rows = result.stdoutBytes.trimmed().toLongLong(&ok);
    if (!ok) throw DockerError::mysqlFailed(text(result.stdoutBytes, QString()));
    return rows;
}
