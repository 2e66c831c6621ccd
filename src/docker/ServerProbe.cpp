// Version, settings and databases of the server in a container, through one run of its
// command-line client.
#include "docker/DockerClient.h"
#include "docker/DockerError.h"
#include "docker/DockerParse.h"
#include "l10n/L10n.h"

namespace {

const QString kProbeQuery = QStringLiteral(
    "SELECT 'META', @@version, @@max_allowed_packet, @@log_bin, @@innodb_buffer_pool_size, @@GLOBAL.sql_mode;\n"
    // From the schemata, so that an empty database made elsewhere is listed and stays chosen.
    "SELECT 'DB', s.schema_name, COUNT(t.table_name), IFNULL(SUM(t.data_length+t.index_length),0)\n"
    "FROM information_schema.schemata s LEFT JOIN information_schema.tables t ON t.table_schema = s.schema_name\n"
    "WHERE s.schema_name NOT IN ('information_schema','performance_schema')\n"
    "GROUP BY s.schema_name;\n"
    "SELECT 'TBL', table_schema, table_name, IFNULL(data_length+index_length,0) FROM information_schema.tables\n"
    "WHERE table_schema NOT IN ('information_schema','performance_schema','mysql','sys') LIMIT 100000;\n"
    "SELECT 'COLL', COLLATION_NAME FROM information_schema.COLLATIONS WHERE COLLATION_NAME LIKE 'utf8mb4\\_%';\n"
    "SELECT DISTINCT 'USER', GRANTEE FROM information_schema.USER_PRIVILEGES;\n"
    "SHOW GRANTS;");

const QString kPasswordVariable = QStringLiteral("MYSQL_PWD");

// Only the variable's name is an argument: docker takes the value from its own
// environment, so the password never shows in a command line.
QStringList probeArguments(const QString& containerName, const QString& client, const QString& user, bool sandbox) {
    QStringList arguments{QStringLiteral("exec"),     QStringLiteral("-e"), kPasswordVariable, containerName, client,
                          QStringLiteral("-u") + user};
    if (sandbox) arguments << QStringLiteral("--sandbox");
    arguments << QStringLiteral("-N") << QStringLiteral("-B") << QStringLiteral("--default-character-set=utf8mb4")
              << QStringLiteral("-e") << kProbeQuery;
    return arguments;
}

// A client without a sandbox mode refuses the option before it connects.
bool sandboxUnknown(const CommandResult& result) {
    const char* const unknown = "unknown option '--sandbox'";
    return result.status != 0 && (result.stderrBytes.contains(unknown) || result.stdoutBytes.contains(unknown));
}

// Docker's answer when the image has no such command: exit status 126 or 127 with
// `exec: "mysql": executable file not found in $PATH`, which some engine and client
// versions print on standard output rather than standard error.
bool clientMissing(const CommandResult& result) {
    const char* const notFound = "executable file not found";
    return (result.status == 126 || result.status == 127) &&
           (result.stderrBytes.contains(notFound) || result.stdoutBytes.contains(notFound));
}

}  // namespace

ServerInfo DockerClient::fetchServerInfo(const QString& containerName, const QString& user,
                                         const QString& password) const {
    QProcessEnvironment environment = processEnvironment();
    // Set also when empty, so an inherited MYSQL_PWD never reaches the server.
    environment.insert(kPasswordVariable, password);

    // Asked in sandbox mode first, so the answer also says whether the client has one.
    bool sandbox = true;
    const auto probe = [&](const QString& program) {
        sandbox = true;
        CommandResult answer = runBounded(docker, probeArguments(containerName, program, user, true), environment,
                                          metadataLimitMs(), engine);
        if (!sandboxUnknown(answer)) return answer;
        sandbox = false;
        return runBounded(docker, probeArguments(containerName, program, user, false), environment, metadataLimitMs(),
                          engine);
    };
    QString client = QStringLiteral("mysql");
    CommandResult result = probe(client);
    QString message;
    if (clientMissing(result)) {
        // Current MariaDB images ship only `mariadb`.
        const QString fallback = QStringLiteral("mariadb");
        CommandResult second = probe(fallback);
        if (clientMissing(second)) {
            // Neither client exists: say so in docker's words, about `mysql`, wherever
            // docker printed them.
            message = text(result.stderrBytes, text(result.stdoutBytes, QString()));
        } else {
            client = fallback;
            result = std::move(second);
        }
    }
    if (message.isEmpty()) message = text(result.stderrBytes, QString());

    QString key;
    if (result.status != 0) {
        key = QStringLiteral("mysqlConnectFailed");
    } else if (auto info = DockerParse::parseMysqlOutput(utf8(result.stdoutBytes))) {
        info->clientProgram = client;
        info->clientSandbox = sandbox;
        return *info;
    } else {
        key = QStringLiteral("mysqlNoReply");
    }
    throw DockerError::mysqlFailed(message.isEmpty() ? L10n::render(key) : message);
}
