#include "support/Fixtures.h"

#include <QtGlobal>

#include <gtest/gtest.h>

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
QString seededPassword() { return name("SEEDED_PASSWORD"); }
QString binlog() { return name("BINLOG"); }
QString binlogPassword() { return name("BINLOG_PASSWORD"); }
QString noPasswordEnv() { return name("NOPWENV"); }
QString noPasswordEnvPassword() { return name("NOPWENV_PASSWORD"); }
QString stopped() { return name("STOPPED"); }
QString notMysql() { return name("NOTMYSQL"); }
QString mariadbOnly() { return name("MARIADBONLY"); }
QString mariadbOnlyPassword() { return name("MARIADBONLY_PASSWORD"); }

}  // namespace Fixtures
