#include "app/SelfCheck.h"

#include <cstdio>

#include "docker/DockerParse.h"
#include "dump/DatabaseChoice.h"
#include "dump/DumpName.h"
#include "import/ImportCommand.h"
#include "l10n/L10n.h"

namespace SelfCheck {
namespace {

const char* const kPsLine =
    R"({"ID":"abc123def456","Image":"mysql:8.0.46","Names":"db_basic","State":"running","Status":"Up 3 minutes","Ports":"0.0.0.0:4308->3306/tcp, [::]:4308->3306/tcp"})";

const char* const kInspect = R"([{
  "Id": "abc123def4567890",
  "Name": "/db_basic",
  "Config": {"Image": "mysql:8.0.46", "Env": ["MYSQL_DATABASE=crm2", "MYSQL_ROOT_PASSWORD=v7ndaq"], "Cmd": ["mysqld"]},
  "State": {"Running": true, "Status": "running"},
  "Mounts": [{"Type": "volume", "Name": "crm-20_db_basic_data", "Destination": "/var/lib/mysql"}]
}])";

const char* const kPassword = "v7ndaq";

const char* const kProbeOutput =
    "META\t8.0.46\t536870912\t1\t536870912\n"
    "DB\tmysql\t31\t1000\n"
    "DB\tcrm2\t176\t11000000000\n"
    "DB\tlegacy_tickets\t4\t2000";

const char* const kDumpPath = "/Users/demo/Downloads/crm2 (2).sql.gz";

ImportRequest sampleRequest() {
    ImportRequest request;
    request.fileURL = QStringLiteral("/tmp/dump.sql.gz");
    request.containerName = QStringLiteral("db_basic");
    request.database = QStringLiteral("crm2");
    request.user = QStringLiteral("root");
    request.password = QString::fromLatin1(kPassword);
    request.maxAllowedPacket = 536870912;
    request.disableUniqueChecks = true;
    request.disableForeignKeyChecks = true;
    request.disableBinlog = true;
    request.serverLogBin = false;
    return request;
}

QString quotedNames(const QList<MysqlDatabase>& databases) {
    QStringList quoted;
    for (const MysqlDatabase& database : databases) quoted << u'"' + database.name + u'"';
    return u'[' + quoted.join(QStringLiteral(", ")) + u']';
}

// Collects the verdict; the first failure ends the run.
class Run {
public:
    bool check(bool passed, const QString& label) {
        if (!passed && verdict_.status == 0) {
            verdict_.standardError += QStringLiteral("FAIL ") + label + u'\n';
            verdict_.status = 1;
        }
        return passed;
    }
    Verdict finish() {
        if (verdict_.status == 0) verdict_.standardOutput = QStringLiteral("OK\n");
        return verdict_;
    }
    void failWith(const QStringList& lines) {
        for (const QString& line : lines) verdict_.standardError += QStringLiteral("FAIL ") + line + u'\n';
        verdict_.status = 1;
    }

private:
    Verdict verdict_;
};

}  // namespace

Subjects Subjects::real() {
    return {DockerParse::displayPorts, DockerParse::parseMysqlOutput, [] { return L10n::problems(); }};
}

Verdict evaluate(const Subjects& subjects) {
    Run run;
    const auto entry = DockerParse::parsePsLine(QString::fromUtf8(kPsLine));
    if (!run.check(entry.has_value(), "ps line")) return run.finish();
    if (!run.check(entry->name == u"db_basic", "container name")) return run.finish();
    if (!run.check(entry->state == u"running", "running")) return run.finish();
    const QString ports = subjects.displayPorts(entry->ports);
    if (!run.check(ports == u"localhost:4308", QStringLiteral("ports ") + ports)) return run.finish();

    const auto inspected = DockerParse::parseInspectList(QByteArray(kInspect));
    if (!run.check(!inspected.isEmpty(), "inspect")) return run.finish();
    const ParsedInspect& record = inspected.first();
    if (!run.check(record.name == u"db_basic", "inspect name")) return run.finish();
    if (!run.check(record.volumeSummary == u"crm-20_db_basic_data", "volume")) return run.finish();
    auto password = DockerParse::envValue(record.env, QStringLiteral("MYSQL_ROOT_PASSWORD"));
    if (!password) password = DockerParse::envValue(record.env, QStringLiteral("MARIADB_ROOT_PASSWORD"));
    if (!run.check(password == QString::fromLatin1(kPassword), "password")) return run.finish();
    if (!run.check(DockerParse::isMysql(record.image, record.env, record.command), "mysql image")) return run.finish();
    if (!run.check(!DockerParse::isMysql("redis:alpine", {"REDIS=1"}, {"redis-server"}), "redis")) return run.finish();
    if (!run.check(!DockerParse::isMysql("crm-20-app", {"DATABASE_URL=mysql://root:secret@db:3306/crm2"},
                                         {"apache2-foreground"}),
                   "app container is not mysql")) {
        return run.finish();
    }

    const auto info = subjects.parseMysqlOutput(QString::fromLatin1(kProbeOutput));
    if (!run.check(info.has_value(), "mysql output")) return run.finish();
    if (!run.check(info->version == u"8.0.46", "version")) return run.finish();
    if (!run.check(info->logBin, "log bin")) return run.finish();
    QStringList order;
    for (const MysqlDatabase& database : info->databases) order << database.name;
    if (!run.check(order == QStringList({"crm2", "legacy_tickets", "mysql"}),
                   QStringLiteral("sort ") + quotedNames(info->databases))) {
        return run.finish();
    }

    const QString stem = DumpName::stem(QString::fromUtf8(kDumpPath));
    if (!run.check(stem == u"crm2 (2)", "stem")) return run.finish();
    const QList<MysqlDatabase> choices = {{"crm", 1, 10}, {"crm2", 176, 9}, {"sql", 1, 99}};
    const auto preferred = DatabaseChoice::preferred(choices, QString::fromUtf8(kDumpPath), std::nullopt);
    if (!run.check(preferred == QStringLiteral("crm2"), "prefer crm2")) return run.finish();
    if (!run.check(!DumpName::matches(stem, "sql"), "sql extension")) return run.finish();
    if (!run.check(!DumpName::matches(stem, "crm"), "crm prefix")) return run.finish();
    if (!run.check(QStringLiteral("DROP TABLE IF EXISTS `activity`;").toUpper().contains("DROP TABLE"), "drop table")) {
        return run.finish();
    }

    const ImportRequest request = sampleRequest();
    const MysqlInvocation invocation = ImportCommand::invocation(request, QStringLiteral("/usr/local/bin/docker"));
    if (!run.check(!invocation.display.contains(request.password), "password leaked")) return run.finish();
    if (!run.check(invocation.display.contains("MYSQL_PWD=***"), "redaction")) return run.finish();
    const bool passwordInArguments = std::any_of(invocation.arguments.begin(), invocation.arguments.end(),
                                                 [&](const QString& item) { return item.contains(request.password); });
    if (!run.check(!passwordInArguments, "password argument")) return run.finish();
    if (!run.check(invocation.arguments.contains("--max-allowed-packet=512M"), "packet")) return run.finish();
    const QString statements = ImportCommand::sessionStatements(request);
    if (!run.check(statements.contains("unique_checks=0") && statements.contains("foreign_key_checks=0"), "session")) {
        return run.finish();
    }
    if (!run.check(!statements.contains("sql_log_bin"), "binlog skipped")) return run.finish();

    const QStringList problems = subjects.catalogProblems();
    if (!problems.isEmpty()) run.failWith(problems.mid(0, 40));
    return run.finish();
}

int runParseChecks() {
    const Verdict verdict = evaluate(Subjects::real());
    std::fputs(verdict.standardError.toUtf8().constData(), stderr);
    std::fputs(verdict.standardOutput.toUtf8().constData(), stdout);
    std::fflush(stdout);
    std::fflush(stderr);
    return verdict.status;
}

}  // namespace SelfCheck
