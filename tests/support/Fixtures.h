#pragma once

#include <QString>

// The fixture containers that tests/env/fixtures.sh started for this run.
namespace Fixtures {

// The value of TARNWELL_FIXTURE_<name>; fails the current test when it is not set.
QString name(const char* variable);

QString seeded();
QString seededPassword();
QString binlog();
QString binlogPassword();
QString noPasswordEnv();
QString noPasswordEnvPassword();
QString passwordFile();
QString passwordFilePassword();
QString stopped();
QString notMysql();
QString mariadbOnly();
QString mariadbOnlyPassword();
// A client that refuses --sandbox, standing for MySQL's and older MariaDB clients.
QString noSandbox();
QString noSandboxPassword();

// Runs SQL in a fixture as root through the real docker client; the password travels in
// the environment only. Returns the trimmed output.
QString sql(const QString& container, const QString& password, const QString& statements);

// Writes a file into a test's folder and returns its path.
QString writeFile(const QString& folder, const QString& name, const QByteArray& content);

}  // namespace Fixtures
