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
QString stopped();
QString notMysql();
QString mariadbOnly();
QString mariadbOnlyPassword();

}  // namespace Fixtures
