#include "support/FixtureServer.h"

#include <gtest/gtest.h>

#include "dump/DumpFixPlan.h"

CommandResult FixtureServer::exec(const QStringList& command) const {
    QProcessEnvironment environment = DockerClient::processEnvironment();
    environment.insert("MYSQL_PWD", password);
    return DockerClient::run(client.docker, QStringList{"exec", "-e", "MYSQL_PWD", container} + command, environment);
}

QString FixtureServer::sql(const QString& statements) const {
    const CommandResult result = exec({"mariadb", "-uroot", "-N", "-B", "-e", statements});
    EXPECT_EQ(result.status, 0) << result.stderrBytes.toStdString();
    return QString::fromUtf8(result.stdoutBytes).trimmed();
}

QString FixtureServer::fingerprint(const QString& database) const {
    QStringList counts, tables;
    for (const QString& table : sql("SHOW TABLES FROM `" + database + "`").split('\n', Qt::SkipEmptyParts)) {
        counts << QString("SELECT '%1', COUNT(*) FROM `%2`.`%1`").arg(table, database);
        tables << QString("`%1`.`%2`").arg(database, table);
    }
    if (tables.isEmpty()) return {};
    return sql(counts.join(" UNION ALL ") + "; CHECKSUM TABLE " + tables.join(", ")).replace(database + ".", "");
}

ImportRequest FixtureServer::request(const QString& file, const QString& database) const {
    ImportRequest request;
    request.fileURL = file;
    request.containerName = container;
    request.database = database;
    request.user = "root";
    request.password = password;
    // As the window and the terminal import by default: rows in a session per core.
    request.jobs = FixChoices::defaultJobs();
    return request;
}
