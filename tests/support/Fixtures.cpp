#include "support/Fixtures.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <gtest/gtest.h>

#include "docker/DockerClient.h"

namespace Fixtures {

QString name(const char* variable) {
    const QByteArray key = QByteArray("TARNWELL_FIXTURE_") + variable;
    if (!qEnvironmentVariableIsSet(key.constData())) {
        ADD_FAILURE() << key.constData() << " is not set: run the tests through scripts/test.sh";
        return {};
    }
    return qEnvironmentVariable(key.constData());
}

QString seeded() { return name("SEEDED"); }
QString noSandbox() { return name("NOSANDBOX"); }
QString noSandboxPassword() { return name("NOSANDBOX_PASSWORD"); }
QString seededPassword() { return name("SEEDED_PASSWORD"); }
QString binlog() { return name("BINLOG"); }
QString binlogPassword() { return name("BINLOG_PASSWORD"); }
QString noPasswordEnv() { return name("NOPWENV"); }
QString noPasswordEnvPassword() { return name("NOPWENV_PASSWORD"); }
QString passwordFile() { return name("PWFILE"); }
QString passwordFilePassword() { return name("PWFILE_PASSWORD"); }
QString stopped() { return name("STOPPED"); }
QString notMysql() { return name("NOTMYSQL"); }
QString mariadbOnly() { return name("MARIADBONLY"); }
QString mariadbOnlyPassword() { return name("MARIADBONLY_PASSWORD"); }

QString sql(const QString& container, const QString& password, const QString& statements) {
    QProcessEnvironment environment = DockerClient::processEnvironment();
    environment.insert(QStringLiteral("MYSQL_PWD"), password);
    const CommandResult result = DockerClient::run(
        DockerClient::resolve().docker,
        {"exec", "-e", "MYSQL_PWD", container, "mariadb", "-uroot", "-N", "-B", "-e", statements}, environment);
    EXPECT_EQ(result.status, 0) << result.stderrBytes.toStdString();
    return QString::fromUtf8(result.stdoutBytes).trimmed();
}

QString writeFile(const QString& folder, const QString& name, const QByteArray& content) {
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return path;
}

}  // namespace Fixtures
