#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "import/ImportRunner.h"
#include "support/OutcomeEnd.h"

namespace {

// A cancel that arrives before the import job has reached run() (Escape right after the
// confirmation, or the program quitting) must still stop that import.
TEST(ImportRunnerCancel, ACancelBeforeTheRunStartsStopsIt) {
    QTemporaryDir dir;
    const QString client = dir.filePath("docker");
    QFile script(client);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\ncat >/dev/null\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString dump = dir.filePath("dump.sql");
    QFile file(dump);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4 << 20, 'x'));
    file.close();

    ImportRequest request;
    request.fileURL = dump;
    request.containerName = "c";
    request.database = "d";
    request.user = "root";
    ImportRunner runner;
    runner.cancel();
    qint64 lastRead = -1;
    const ImportOutcome outcome = runner.run(
        request, DockerClient{client, "/usr/bin/gzip"}, [&](const ImportProgress& p) { lastRead = p.bytesRead; },
        nullptr);
    EXPECT_EQ(endOf(outcome), ImportOutcome::cancelled());
    EXPECT_LT(lastRead, 4 << 20);
}

}  // namespace
