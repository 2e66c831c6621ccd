#include "cli/CliHelp.h"

#include "cli/CliArguments.h"

namespace CliHelp {

namespace {

const char* const kProgram = R"(Usage: tarnwell-cli COMMAND [OPTIONS]

Restores MySQL and MariaDB dumps (plain SQL, gzip, zstd, xz or bzip2) into a database server that
runs in a local Docker container, the same way as the Tarnwell window.

Commands:
  containers   list the local containers
  databases    show a container's server and its databases
  inspect      look at a dump file
  create-database
               create an empty database in a container
  import       import a dump into a database of a container
  import-each  import the dumps named on standard input, one model for all
  undo         put back the tables a database's last import replaced

Options:
  -h, --help   show this help, or a command's help after the command
  --version    show the version
  --engine docker|podman
               the container engine when both are installed (default: the
               settings window's choice, else whichever is found, Docker first)

DOCKER_HOST and DOCKER_CONTEXT (for Podman CONTAINER_HOST and
CONTAINER_CONNECTION) are passed on to the engine; `containers` shows the
endpoint they name.

The password is never taken from the command line: it comes from the container's
MYSQL_ROOT_PASSWORD or MARIADB_ROOT_PASSWORD, or from standard input with
--password-stdin.

Exit status: 0 success, 1 the import failed, 2 bad usage or the import cannot
start, 3 Docker or the database server did not answer, 130 cancelled.
)";

const char* const kContainers = R"(Usage: tarnwell-cli containers [--all] [--json]

Lists the running containers in the window's order (MySQL and MariaDB first), one
per line: name, state, MySQL or not, image, published ports. The engine, and its
endpoint when it is not the local one, is named first, on standard error.

  --all    list stopped containers too
  --json   print a JSON array instead
  --engine docker|podman   the engine to ask
)";

const char* const kDatabases = R"(Usage: tarnwell-cli databases CONTAINER [--user NAME] [--password-stdin] [--json]

Shows the server of a MySQL or MariaDB container: its version, packet size,
binary log and buffer pool, and its databases with table counts and sizes.

  --user NAME        log in as NAME instead of root
  --password-stdin   read the password from standard input (first line)
  --json             print a JSON object instead
)";

const char* const kInspect = R"(Usage: tarnwell-cli inspect DUMP [--container CONTAINER] [--json]

Shows a dump's size, compression, whether it contains DROP TABLE, the database
it names, the tables it creates with the size of their statements (the whole dump
is read), and the pre-flight: what the dump shows and what an import will do
about it. With a container, also the database an import would go into, judged against
that server.

  --container NAME   propose the target database on this container
  --user NAME        log in as NAME instead of root
  --password-stdin   read the password from standard input (first line)
  --json             print a JSON object instead
  --no-command-guard, --no-redirect, --no-mysql-fixes, --keep-definers,
  --no-import-account, --tables, --exclude-tables
                     as for import
)";

const char* const kImport = R"(Usage: tarnwell-cli import DUMP --container CONTAINER [OPTIONS]

Imports a dump (plain SQL, gzip, zstd, xz or bzip2) into a database of a container through
`docker exec -i … mysql`. Without --database the proposed database is used.
The confirmation is asked on a terminal; without one, --yes is required.
Ctrl-C cancels a running import.

  --container NAME            the container to import into (required)
  --database NAME             the target database
  --user NAME                 log in as NAME instead of root
  --password-stdin            read the password from standard input (first line)
  --keep-unique-checks        leave unique checks on
  --keep-foreign-key-checks   leave foreign key checks on
  --keep-binlog               leave the binary log on for the import session
  --no-command-guard          let client commands in the dump (\!, source, tee…) run
                              when the client has no sandbox; stopped otherwise
  --no-redirect               let a dump that names one database write there, not
                              into --database
  --no-mysql-fixes            send MySQL-only statements to MariaDB unchanged
                              (GTID_PURGED, DEFAULT ENCRYPTION, 0900 collations)
  --keep-definers             keep DEFINER accounts the server does not have, when
                              importing as the login
  --no-import-account         import as the login itself, not as a temporary
                              account that can write only to the chosen database
  --commit-every N            commit rows in batches of N statements (default
                              1000); 0 commits every statement by itself
  --jobs N                    load rows in N sessions at once (default: one per
                              core, at most 4); 1 runs the dump in one session
  --tables A,B                load only these tables of the dump
  --exclude-tables C,D        leave these tables of the dump out
                              (statements that create, fill or change a table left
                              out are skipped, and so are views and triggers that
                              name one; the target's own tables are left alone)
  --resume                    continue the import of this dump into this database
                              that stopped (a failure, a cancel, a kill): what it
                              committed stays, the dump's settings are made again,
                              and the rest of the dump runs; refused when the file
                              changed or a table begun was changed since
  --copy, --no-copy           save, or do not save, a copy of the target's tables
                              the dump may change before it starts, for `undo`
                              (default: saved when they hold less than the limit
                              in Settings, 2 GB to start with)
  --yes                       start without asking

Before the question, the pre-flight lists what the dump's head shows (its
databases, client commands, MySQL- or MariaDB-only statements, DEFINER
accounts) and what the import will do about each.

On MariaDB, when the login may create accounts, the import runs as a temporary
account made for it, which can write only to the confirmed databases and is
removed at the end; what the dump creates (triggers, views, routines, events)
belongs to a role that reaches only those databases. Otherwise the pre-flight
says in one line that the server cannot hold the import to the chosen database.

Exit status: 0 imported, 1 the import failed, 2 bad usage or the import cannot
start, 3 Docker or the database server did not answer, 130 cancelled.
)";

const char* const kCreateDatabase = R"(Usage: tarnwell-cli create-database CONTAINER --name NAME [OPTIONS]

Creates an empty utf8mb4 database on the server in the container, as a target
for an import. Any name is taken as it is, quoted as one identifier.

  --name NAME          the new database (required)
  --collation NAME     a utf8mb4 collation; the server's default when left out
  --user NAME          log in as NAME instead of root
  --password-stdin     read the password from standard input (first line)

Exit status: 0 created, 1 the server refused, 2 bad usage, 3 Docker or the
database server did not answer.
)";

const char* const kImportEach = R"(Usage: tarnwell-cli import-each --container CONTAINER [--user NAME]

Reads lines "DUMP<TAB>DATABASE" from standard input and imports each dump into
that database without asking, all through one long-lived model, as a window
that imports many times does. After each import one line goes to standard
output: "import STATUS fds=N rss=KB children=N", with the exit status an import
alone would have, the program's open descriptors, its resident memory and its
child processes. Ctrl-C cancels the running import only; the end of standard
input ends the program. Meant for checking that nothing piles up.
)";

const char* const kUndo = R"(Usage: tarnwell-cli undo --container CONTAINER --database NAME [OPTIONS]

Undoes the last import into a database: the copy of its tables saved before that
import (in ~/.local/share/Tarnwell/backups) is imported again, through the same
checks as any import, and the tables that import made are removed. The question
names the copy and its tables; the end is the database as it was before.

  --user NAME          log in as NAME instead of root
  --password-stdin     read the password from standard input (first line)
  --yes                start without asking

Exit status: 0 undone, 1 the import of the copy failed, 2 bad usage or no copy,
3 Docker or the database server did not answer, 130 cancelled.
)";

}  // namespace

QString text(const QString& command) {
    if (command == "containers") return QString::fromUtf8(kContainers);
    if (command == "databases") return QString::fromUtf8(kDatabases);
    if (command == "inspect") return QString::fromUtf8(kInspect);
    if (command == "import") return QString::fromUtf8(kImport);
    if (command == "create-database") return QString::fromUtf8(kCreateDatabase);
    if (command == "import-each") return QString::fromUtf8(kImportEach);
    if (command == "undo") return QString::fromUtf8(kUndo);
    return QString::fromUtf8(kProgram);
}

QString hint(const QString& command) {
    if (CliArguments::commands().contains(command)) {
        return QStringLiteral("Try 'tarnwell-cli %1 --help'.").arg(command);
    }
    return QStringLiteral("Try 'tarnwell-cli --help'.");
}

QString version() { return QStringLiteral("tarnwell-cli " TARNWELL_VERSION); }

}  // namespace CliHelp
