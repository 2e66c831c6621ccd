// Import throughput of ImportRunner against piping the dump straight into `docker exec -i`,
// the runner's own CPU time per GB copied, and its peak memory for small and large dumps.
//
//   import_bench [--runs N] [--size-mb M] [--large-mb L]
//   container: $TARNWELL_BENCH_CONTAINER; root password: $TARNWELL_BENCH_PASSWORD (never an argument)
//   import_bench --child FILE DOCKER   one import in a fresh process; prints "peakKB cpuSeconds bytes"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

#include "docker/DockerClient.h"
#include "import/ImportCommand.h"
#include "import/ImportRunner.h"
#include "posix/Process.h"

namespace {

double now() { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// This process's own peak (VmHWM). ru_maxrss would not do: a child started by vfork and exec
// inherits the parent's high-water mark.
long peakKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

[[noreturn]] void die(const QString& message) {
    std::fprintf(stderr, "import_bench: %s\n", qPrintable(message));
    std::exit(1);
}

// A dump in the style of a dump tool: one table, extended INSERT lines of about 1 MB.
void writeDump(const QString& path, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) die("cannot write " + path);
    file.write(
        "-- Dump generated for the import benchmark\n/*!40101 SET NAMES utf8mb4 */;\n"
        "DROP TABLE IF EXISTS `orders`;\nCREATE TABLE `orders` (\n  `id` int unsigned NOT NULL,\n"
        "  `customer_id` int unsigned NOT NULL,\n  `email` varchar(80) NOT NULL,\n"
        "  `total` decimal(12,2) NOT NULL,\n  `ordered_at` datetime NOT NULL,\n  `note` varchar(255),\n"
        "  PRIMARY KEY (`id`),\n  KEY `ix_customer` (`customer_id`)\n) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;\n"
        "LOCK TABLES `orders` WRITE;\n");
    quint64 state = 0x9E3779B97F4A7C15ULL;
    const auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    qint64 id = 0;
    QByteArray line;
    while (file.size() < size) {
        line = "INSERT INTO `orders` VALUES ";
        while (line.size() < 1000000) {
            ++id;
            const quint64 r = next();
            line += (line.endsWith(' ') ? "(" : ",(") + QByteArray::number(id) + ',' + QByteArray::number(r % 100000) +
                    ",'customer" + QByteArray::number(r >> 40, 36) + "@example.org'," +
                    QByteArray::number((r >> 8) % 1000000 / 100.0, 'f', 2) + ",'2024-0" +
                    QByteArray::number(1 + r % 9) + "-1" + QByteArray::number(r % 10) + " 1" +
                    QByteArray::number(r % 10) + ":2" + QByteArray::number((r >> 4) % 10) + ":00','" +
                    QByteArray::number(next(), 36) + ' ' + QByteArray::number(next(), 36) + "')";
        }
        file.write(line + ";\n");
    }
    file.write("UNLOCK TABLES;\n");
}

// Runs a program with the given streams to its end and returns its status.
int runTo(const QString& program, const QStringList& arguments, int in, int out) {
    return Process::Child::start({program, arguments, DockerClient::processEnvironment(), in, out, -1}).wait();
}

struct Bench {
    DockerClient client;
    QString container;
    QString password;
    QString database = QStringLiteral("tarnwell_bench");

    ImportRequest request(const QString& file, bool compressed) const {
        ImportRequest r;
        r.fileURL = file;
        r.containerName = container;
        r.database = database;
        r.user = QStringLiteral("root");
        r.password = password;
        return r;
    }

    CommandResult sql(const QString& statements) const {
        QProcessEnvironment environment = DockerClient::processEnvironment();
        environment.insert(QStringLiteral("MYSQL_PWD"), password);
        return DockerClient::run(
            client.docker, {"exec", "-e", "MYSQL_PWD", container, "mysql", "-uroot", "-N", "-B", "-e", statements},
            environment);
    }

    // A fresh, empty target on a server that has written out the previous run, so runs
    // start alike.
    void resetDatabase() const {
        const CommandResult reset = sql("DROP DATABASE IF EXISTS " + database + "; CREATE DATABASE " + database +
                                        "; SET GLOBAL innodb_max_dirty_pages_pct=0");
        if (reset.status != 0) die("cannot reset the database: " + QString::fromUtf8(reset.stderrBytes));
        for (int attempt = 0; attempt < 240; ++attempt) {
            const QByteArray dirty = sql("SHOW GLOBAL STATUS LIKE 'Innodb_buffer_pool_pages_dirty'").stdoutBytes;
            if (dirty.trimmed().split('\t').value(1).toLongLong() < 16) break;
            ::usleep(500000);
        }
        sql("SET GLOBAL innodb_max_dirty_pages_pct=DEFAULT");
        runTo(QStringLiteral("/bin/sync"), {}, -1, -1);
    }

    // Seconds for one import through the runner; adds the runner's CPU seconds.
    double throughRunner(const QString& file, bool compressed, double* cpu) const {
        resetDatabase();
        ImportRunner runner;
        const double cpuBefore = cpuSeconds();
        const double start = now();
        const ImportOutcome outcome = runner.run(request(file, compressed), client, {}, {});
        const double seconds = now() - start;
        *cpu = cpuSeconds() - cpuBefore;
        if (outcome.kind != ImportOutcome::Kind::success) die("runner import failed: " + outcome.message);
        return seconds;
    }

    // Seconds for `docker exec -i … < file`, or `gzip -dc file | docker exec -i …`.
    double throughShell(const QString& file, bool compressed) const {
        resetDatabase();
        const ImportRequest r = request(file, compressed);
        const MysqlInvocation invocation = ImportCommand::invocation(r, client.docker);
        const QProcessEnvironment environment = ImportCommand::clientEnvironment(r, DockerClient::processEnvironment());
        const UniqueFd nullDevice = Process::openNullDevice();
        const double start = now();
        int status;
        if (!compressed) {
            UniqueFd input(::open(QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC));
            Process::Child docker = Process::Child::start(
                {client.docker, invocation.arguments, environment, input.get(), nullDevice.get(), nullDevice.get()});
            input.reset();
            status = docker.wait();
        } else {
            Process::Pipe pipe = Process::makePipe();
            Process::Child gzip = Process::Child::start({client.gzip,
                                                         {"-dc", file},
                                                         DockerClient::processEnvironment(),
                                                         -1,
                                                         pipe.writeEnd.get(),
                                                         nullDevice.get()});
            Process::Child docker = Process::Child::start({client.docker, invocation.arguments, environment,
                                                           pipe.readEnd.get(), nullDevice.get(), nullDevice.get()});
            pipe.readEnd.reset();
            pipe.writeEnd.reset();
            status = gzip.wait() | docker.wait();
        }
        const double seconds = now() - start;
        if (status != 0) die("shell import failed");
        return seconds;
    }
};

// One import in this fresh process: its peak memory and CPU are the runner's alone.
int childMain(const QString& file, const QString& docker) {
    ImportRunner runner;
    ImportRequest request;
    request.fileURL = file;
    request.containerName = QStringLiteral("stand-in");
    request.database = QStringLiteral("none");
    qint64 bytes = 0;
    const double cpuBefore = cpuSeconds();
    const ImportOutcome outcome =
        runner.run(request, DockerClient{docker, QStringLiteral("/usr/bin/gzip")},
                   [&bytes](const ImportProgress& progress) { bytes = progress.bytesRead; }, {});
    if (outcome.kind != ImportOutcome::Kind::success) die("stand-in import failed: " + outcome.message);
    std::printf("%ld %.3f %lld\n", peakKilobytes(), cpuSeconds() - cpuBefore, static_cast<long long>(bytes));
    return 0;
}

struct ChildFigures {
    long peakKB = 0;
    double cpu = 0;
    qint64 bytes = 0;
};

ChildFigures runChild(const QString& file, const QString& docker) {
    const CommandResult result = DockerClient::run(QCoreApplication::applicationFilePath(), {"--child", file, docker},
                                                   DockerClient::processEnvironment());
    const QList<QByteArray> fields = result.stdoutBytes.trimmed().split(' ');
    if (result.status != 0 || fields.size() != 3) die("child run failed: " + QString::fromUtf8(result.stderrBytes));
    return {fields[0].toLong(), fields[1].toDouble(), fields[2].toLongLong()};
}

quint64 freeBytes(const QString& path) {
    struct statvfs space {};
    if (::statvfs(QFile::encodeName(path).constData(), &space) != 0) return 0;
    return quint64(space.f_bavail) * space.f_frsize;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() == 4 && arguments[1] == QLatin1String("--child")) return childMain(arguments[2], arguments[3]);

    int runs = 3;
    qint64 sizeMB = 200, largeMB = 2048;
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == QLatin1String("--runs"))
            runs = arguments[i + 1].toInt();
        else if (arguments[i] == QLatin1String("--size-mb"))
            sizeMB = arguments[i + 1].toLongLong();
        else if (arguments[i] == QLatin1String("--large-mb"))
            largeMB = arguments[i + 1].toLongLong();
        else
            die("unknown option " + arguments[i]);
    }
    Bench bench{DockerClient::resolve(), qEnvironmentVariable("TARNWELL_BENCH_CONTAINER"),
                qEnvironmentVariable("TARNWELL_BENCH_PASSWORD")};
    if (bench.container.isEmpty()) die("set TARNWELL_BENCH_CONTAINER and TARNWELL_BENCH_PASSWORD");

    QTemporaryDir dir(QDir::temp().filePath(QStringLiteral("import-bench-XXXXXX")));
    const QString plain = dir.filePath(QStringLiteral("dump.sql"));
    const QString compressed = dir.filePath(QStringLiteral("dump.sql.gz"));
    if (freeBytes(dir.path()) < quint64(sizeMB) * 2 * 1000000 + (quint64(1) << 30)) die("not enough free disk space");
    std::printf("Generating a %lld MB dump and its gzip form in %s …\n", static_cast<long long>(sizeMB),
                qPrintable(dir.path()));
    writeDump(plain, sizeMB * 1000000);
    {
        const int out =
            ::open(QFile::encodeName(compressed).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (runTo(bench.client.gzip, {"-c", plain}, -1, out) != 0) die("gzip failed");
        ::close(out);
    }
    const qint64 plainBytes = QFileInfo(plain).size(), gzipBytes = QFileInfo(compressed).size();
    std::printf("plain %lld bytes, gzip %lld bytes, %d runs per pair, alternating\n",
                static_cast<long long>(plainBytes), static_cast<long long>(gzipBytes), runs);

    std::vector<double> plainRatios, gzipRatios, plainRunner, plainShell, gzipRunner, gzipShell, cpuPerGB;
    for (int run = 0; run < runs; ++run) {
        for (const bool gz : {false, true}) {
            const QString& file = gz ? compressed : plain;
            double cpu = 0, runner = 0, shell = 0;
            if (run % 2 == 0) {
                runner = bench.throughRunner(file, gz, &cpu);
                shell = bench.throughShell(file, gz);
            } else {
                shell = bench.throughShell(file, gz);
                runner = bench.throughRunner(file, gz, &cpu);
            }
            (gz ? gzipRatios : plainRatios).push_back(runner / shell);
            (gz ? gzipRunner : plainRunner).push_back(runner);
            (gz ? gzipShell : plainShell).push_back(shell);
            if (!gz) cpuPerGB.push_back(cpu / (double(plainBytes) / 1e9));
            std::printf("run %d %-5s runner %.2f s  shell %.2f s  ratio %.3f  runner CPU %.3f s\n", run + 1,
                        gz ? "gzip" : "plain", runner, shell, runner / shell, cpu);
            std::fflush(stdout);
        }
    }

    // Memory and CPU of a fresh process copying a small and a large dump into a client that
    // only reads (docker replaced by `cat > /dev/null`).
    const QString sink = dir.filePath(QStringLiteral("docker-sink"));
    {
        QFile script(sink);
        script.open(QIODevice::WriteOnly);
        // Names its session as the client does, then only reads.
        script.write(
            "#!/bin/sh\ncase \" $* \" in *\" -i \"*) ;; *) echo 0; exit 0 ;; esac\n"
            "read -r query\nprintf 'tarnwell_session\\ntarnwell-session 7\\n'\nexec cat > /dev/null\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const ChildFigures small = runChild(plain, sink);
    const QString large = dir.filePath(QStringLiteral("large.sql"));
    if (freeBytes(dir.path()) < quint64(largeMB) * 1048576 + (quint64(1) << 30))
        die("not enough disk for the large dump");
    {
        QFile out(large), in(plain);
        out.open(QIODevice::WriteOnly);
        in.open(QIODevice::ReadOnly);
        while (out.size() < largeMB * 1048576) {
            in.seek(0);
            while (!in.atEnd()) out.write(in.read(8 << 20));
        }
    }
    const ChildFigures big = runChild(large, sink);
    QFile::remove(large);

    std::printf("\nmedian wall time  plain: runner %.2f s, shell %.2f s;  gzip: runner %.2f s, shell %.2f s\n",
                median(plainRunner), median(plainShell), median(gzipRunner), median(gzipShell));
    std::printf("median ratio runner/shell  plain %.3f  gzip %.3f   (goal <= 1.02)\n", median(plainRatios),
                median(gzipRatios));
    std::printf(
        "runner CPU per GB copied  into MariaDB %.3f s;  into a sink: %.3f s (%lld B), %.3f s (%lld B)"
        "   (the stream reads every statement: sql_stream_bench measures that part alone)\n",
        median(cpuPerGB), small.cpu / (double(small.bytes) / 1e9), static_cast<long long>(small.bytes),
        big.cpu / (double(big.bytes) / 1e9), static_cast<long long>(big.bytes));
    std::printf("peak RSS of a fresh runner process  %lld B: %ld KB   %lld B: %ld KB\n",
                static_cast<long long>(small.bytes), small.peakKB, static_cast<long long>(big.bytes), big.peakKB);
    return 0;
}
