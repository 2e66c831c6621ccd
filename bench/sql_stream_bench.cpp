// Lexing speed of SqlStream::Lexer on text shaped like a dump tool's output: extended INSERT lines of about
// 1 MB whose strings hold escaped quotes, backslashes, semicolons and comment markers; table definitions,
// versioned comments, comments, and a DELIMITER block with a trigger now and then. Built in memory, fed in
// chunks; prints the best of the runs. Then the same through DumpFilter, the whole stream an import
// runs (the lexer, each statement's facts, the fixes for a MySQL dump into MariaDB, the history kept
// for error messages), into a sink that drops the bytes.
//
//   sql_stream_bench [--size-mb N] [--chunk-kb K] [--runs R]
// Measures INSERTs of about 1 MB, as dump tools write by default, then one row per INSERT.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "dump/DumpFilter.h"
#include "sql/SqlStream.h"

namespace {

double now() { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

std::vector<std::string> stringPool(std::mt19937_64& random) {
    static const char* const words[] = {"alpha", "Bravo",   "charlie", "delta", "Echo", "foxtrot",  "golf",  "hotel",
                                        "india", "juliett", "kilo",    "Lima",  "mike", "november", "oscar", "papa"};
    // Escaped as a dump tool writes them, and the characters that matter to the lexer outside strings.
    static const char* const oddities[] = {"\\'", "\\\\", ";",      "\\\"", "\\n", "-- ", "#", "/*",
                                           "*/",  "`",    "\\r\\n", "''",   "\\0", "é",   "€"};
    std::vector<std::string> pool;
    for (int i = 0; i < 4096; ++i) {
        std::string text;
        const int length = 2 + int(random() % 10);
        for (int w = 0; w < length; ++w) {
            if (w) text += ' ';
            text += words[random() % std::size(words)];
            if (random() % 4 == 0) text += oddities[random() % std::size(oddities)];
        }
        pool.push_back(text);
    }
    return pool;
}

// Rows up to about tableBytes, in INSERT statements of about insertBytes (at least one row each).
void appendTable(std::string& dump, int table, std::mt19937_64& random, const std::vector<std::string>& pool,
                 size_t tableBytes, size_t insertBytes) {
    char buffer[256];
    const std::string name = "t" + std::to_string(table);
    dump += "--\n-- Table structure for table `" + name + "`\n--\n\n";
    dump += "DROP TABLE IF EXISTS `" + name + "`;\n";
    dump += "/*!40101 SET @saved_cs_client     = @@character_set_client */;\n";
    dump += "/*!40101 SET character_set_client = utf8mb4 */;\n";
    dump += "CREATE TABLE `" + name +
            "` (\n  `id` int(11) NOT NULL AUTO_INCREMENT,\n  `name` varchar(255) DEFAULT NULL,\n"
            "  `note` text,\n  `price` decimal(10,2) DEFAULT NULL,\n  `created` datetime DEFAULT NULL,\n"
            "  PRIMARY KEY (`id`)\n) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_0900_ai_ci;\n";
    dump += "/*!40101 SET character_set_client = @saved_cs_client */;\n\n";
    dump += "--\n-- Dumping data for table `" + name + "`\n--\n\nLOCK TABLES `" + name + "` WRITE;\n";
    dump += "/*!40000 ALTER TABLE `" + name + "` DISABLE KEYS */;\n";
    long id = 1;
    for (const size_t tableEnd = dump.size() + tableBytes; dump.size() < tableEnd;) {
        dump += "INSERT INTO `" + name + "` VALUES ";
        const size_t insertEnd = dump.size() + insertBytes;
        bool first = true;
        while (first || dump.size() < insertEnd) {
            if (!first) dump += ',';
            first = false;
            const unsigned long r = random();
            std::snprintf(buffer, sizeof buffer, "(%ld,'", id++);
            dump += buffer;
            dump += pool[r % pool.size()];
            dump += "','";
            dump += pool[(r >> 12) % pool.size()];
            std::snprintf(buffer, sizeof buffer, "',%lu.%02lu,'2024-%02lu-%02lu %02lu:%02lu:%02lu')", (r >> 24) % 10000,
                          (r >> 36) % 100, 1 + (r >> 8) % 12, 1 + (r >> 16) % 28, (r >> 28) % 24, (r >> 40) % 60,
                          (r >> 48) % 60);
            dump += buffer;
            if (r % 50 == 0) dump += ",(" + std::to_string(id++) + ",NULL,NULL,-1.00,NULL)";
        }
        dump += ";\n";
    }
    dump += "/*!40000 ALTER TABLE `" + name + "` ENABLE KEYS */;\nUNLOCK TABLES;\n";
    if (table % 5 == 0) {
        dump += "DELIMITER ;;\n/*!50003 CREATE*/ /*!50017 DEFINER=`root`@`localhost`*/ /*!50003 TRIGGER `" + name +
                "_bi` BEFORE INSERT ON `" + name +
                "` FOR EACH ROW BEGIN\n  SET NEW.note = CONCAT(NEW.note, ';');\n"
                "  IF NEW.price < 0 THEN SET NEW.price = 0; END IF;\nEND */;;\nDELIMITER ;\n";
    }
    dump += "\n";
}

std::string makeDump(size_t size, size_t insertBytes) {
    std::mt19937_64 random(20240611);
    const std::vector<std::string> pool = stringPool(random);
    std::string dump;
    dump.reserve(size + 64'000'000);
    dump += "-- Dump of database shop\n--\n-- ------------------------------------------------------\n\n";
    dump += "/*!40101 SET @OLD_CHARACTER_SET_CLIENT=@@CHARACTER_SET_CLIENT */;\n";
    dump += "/*!40014 SET @OLD_UNIQUE_CHECKS=@@UNIQUE_CHECKS, UNIQUE_CHECKS=0 */;\n";
    dump += "/*M!100616 SET @OLD_NOTE_VERBOSITY=@@NOTE_VERBOSITY, NOTE_VERBOSITY=0 */;\n\n";
    for (int table = 1; dump.size() < size; ++table) {
        appendTable(dump, table, random, pool, std::min<size_t>(40'000'000, size - dump.size()), insertBytes);
    }
    dump += "/*!40014 SET UNIQUE_CHECKS=@OLD_UNIQUE_CHECKS */;\n-- Dump completed\n";
    return dump;
}

long argumentAfter(int argc, char** argv, const char* name, long fallback) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0) return std::atol(argv[i + 1]);
    }
    return fallback;
}

double bestRate(const std::string& dump, size_t chunk, int runs) {
    double best = 0;
    for (int run = 1; run <= runs; ++run) {
        SqlStream::Lexer lexer;
        size_t statements = 0;
        size_t others = 0;
        const SqlStream::PieceHandler count = [&](const SqlStream::Piece& piece) {
            if (piece.kind == SqlStream::PieceKind::statement) {
                ++statements;
            } else {
                ++others;
            }
        };
        const double started = now();
        for (size_t at = 0; at < dump.size(); at += chunk) {
            lexer.feed(dump.data() + at, qsizetype(std::min(chunk, dump.size() - at)), count);
        }
        lexer.finish(count);
        const double seconds = now() - started;
        const double rate = dump.size() / 1e6 / seconds;
        best = std::max(best, rate);
        std::printf("  run %d: %.3f s, %.0f MB/s (%zu statements, %zu other pieces)\n", run, seconds, rate, statements,
                    others);
    }
    return best;
}

double bestFilterRate(const std::string& dump, size_t chunk, int runs) {
    DumpFixes fixes;
    fixes.clientHasSandbox = true;
    fixes.dumpDatabase = "shop";
    fixes.chosenDatabase = "target";
    fixes.confirmedDatabases = {"target"};
    fixes.mysqlToMariadb = true;
    fixes.serverCollations = {"utf8mb4_general_ci", "utf8mb4_uca1400_ai_ci", "utf8mb4_bin"};
    fixes.rewriteDefiners = true;
    fixes.serverAccounts = {"admin@localhost"};
    double best = 0;
    for (int run = 1; run <= runs; ++run) {
        DumpFilter filter(fixes, {});
        size_t out = 0;
        const DumpFilter::Sink sink = [&](QByteArrayView bytes) {
            out += size_t(bytes.size());
            return true;
        };
        const double started = now();
        for (size_t at = 0; at < dump.size(); at += chunk) {
            filter.feed(QByteArrayView(dump.data() + at, qsizetype(std::min(chunk, dump.size() - at))), sink);
        }
        filter.finish(sink);
        const double seconds = now() - started;
        const double rate = dump.size() / 1e6 / seconds;
        best = std::max(best, rate);
        std::printf("  filter run %d: %.3f s, %.0f MB/s (%zu bytes out)\n", run, seconds, rate, out);
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const size_t size = size_t(argumentAfter(argc, argv, "--size-mb", 500)) * 1'000'000;
    const size_t chunk = size_t(argumentAfter(argc, argv, "--chunk-kb", 256)) * 1024;
    const int runs = int(argumentAfter(argc, argv, "--runs", 3));

    const struct {
        const char* name;
        size_t insertBytes;
    } shapes[] = {{"INSERTs of about 1 MB", 1'000'000}, {"one row per INSERT", 0}};
    for (const auto& shape : shapes) {
        const double built = now();
        const std::string dump = makeDump(size, shape.insertBytes);
        std::printf("%s: %.1f MB built in %.1f s, fed in chunks of %zu KiB\n", shape.name, dump.size() / 1e6,
                    now() - built, chunk / 1024);
        std::printf("%s: lexer best %.0f MB/s\n", shape.name, bestRate(dump, chunk, runs));
        std::printf("%s: whole stream best %.0f MB/s\n", shape.name, bestFilterRate(dump, chunk, runs));
    }
    return 0;
}
