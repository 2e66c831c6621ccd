#include <QJsonDocument>
#include <QLocale>

#include <gtest/gtest.h>

#include "docker/ContainerStatus.h"
#include "docker/DockerParse.h"
#include "l10n/UserSettings.h"

namespace {

class ContainerStatusText : public ::testing::Test {
protected:
    void TearDown() override { UserSettings::open()->remove(QStringLiteral("appLanguage")); }
    static void use(const char* code) { UserSettings::open()->setValue(QStringLiteral("appLanguage"), QString(code)); }

    static DockerContainer runningSince(const QDateTime& started) {
        DockerContainer container;
        container.state = QStringLiteral("running");
        container.running = true;
        container.status = QStringLiteral("Up 3 hours");
        container.startedAt = started;
        return container;
    }

    const QDateTime now = QDateTime(QDate(2026, 12, 9), QTime(15, 0), Qt::UTC);
};

TEST_F(ContainerStatusText, UptimeStepsFromMinutesToHoursToDays) {
    use("en");
    EXPECT_EQ(ContainerStatus::uptime(0), "Up less than a minute");
    EXPECT_EQ(ContainerStatus::uptime(59), "Up less than a minute");
    EXPECT_EQ(ContainerStatus::uptime(60), "Up 1 minute");
    EXPECT_EQ(ContainerStatus::uptime(58 * 60 + 59), "Up 58 minutes");
    EXPECT_EQ(ContainerStatus::uptime(3600), "Up 1 hour");
    EXPECT_EQ(ContainerStatus::uptime(47 * 3600 + 3599), "Up 47 hours");
    EXPECT_EQ(ContainerStatus::uptime(48 * 3600), "Up 2 days");
    EXPECT_EQ(ContainerStatus::uptime(400 * 86400), "Up 400 days");
    EXPECT_EQ(ContainerStatus::uptime(-30), "Up less than a minute");
}

TEST_F(ContainerStatusText, RunningContainersCountFromTheirStartInTheChosenLanguage) {
    const DockerContainer container = runningSince(now.addSecs(-(58 * 60 + 10)));
    use("de");
    EXPECT_EQ(ContainerStatus::describe(container, now), "Läuft seit 58 Minuten");
    use("ru");
    EXPECT_EQ(ContainerStatus::describe(container, now), "Работает 58 минут");
    EXPECT_EQ(ContainerStatus::describe(runningSince(now.addSecs(-22 * 3600)), now), "Работает 22 часа");
    use("pl");
    EXPECT_EQ(ContainerStatus::describe(runningSince(now.addSecs(-21 * 60)), now), "Działa 21 minut");
    use("ja");
    EXPECT_EQ(ContainerStatus::describe(runningSince(now.addDays(-3)), now), "稼働時間 3 日");
}

TEST_F(ContainerStatusText, StoppedContainersTellTheirExitCodeAndTime) {
    use("en");
    DockerContainer container;
    container.state = QStringLiteral("exited");
    container.status = QStringLiteral("Exited (137) 2 hours ago");
    container.exitCode = 137;
    container.finishedAt = now.addSecs(-7200);
    const QString text = ContainerStatus::describe(container, now);
    EXPECT_TRUE(text.startsWith("Exited (137) · ")) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QLocale("en").toString(container.finishedAt.toLocalTime(), QLocale::ShortFormat)))
        << text.toStdString();
    use("fr");
    EXPECT_TRUE(ContainerStatus::describe(container, now).startsWith("Arrêté (137) · "));

    // Without times, or in a state of its own, the engine's words stay.
    container.finishedAt = QDateTime();
    EXPECT_EQ(ContainerStatus::describe(container, now), "Exited (137) 2 hours ago");
    DockerContainer paused = runningSince(now);
    paused.running = false;
    paused.state = QStringLiteral("paused");
    paused.status = QStringLiteral("Up 3 hours (Paused)");
    EXPECT_EQ(ContainerStatus::describe(paused, now), "Up 3 hours (Paused)");

    // One word for the header and the listing: a paused container is not a stopped one.
    EXPECT_EQ(ContainerStatus::stateKey(runningSince(now)), "running");
    EXPECT_EQ(ContainerStatus::stateKey(paused), "paused");
    EXPECT_EQ(ContainerStatus::stateKey(container), "stopped");
}

TEST(EngineTime, ReadsNanosecondsOffsetsAndTheZeroTime) {
    EXPECT_EQ(DockerParse::engineTime("2026-12-09T14:01:02.123456789Z"),
              QDateTime(QDate(2026, 12, 9), QTime(14, 1, 2, 123), Qt::UTC));
    EXPECT_EQ(DockerParse::engineTime("2026-12-09T16:01:02+02:00"),
              QDateTime(QDate(2026, 12, 9), QTime(14, 1, 2), Qt::UTC));
    EXPECT_FALSE(DockerParse::engineTime("0001-01-01T00:00:00Z").isValid());
    EXPECT_FALSE(DockerParse::engineTime("").isValid());
    EXPECT_FALSE(DockerParse::engineTime("yesterday").isValid());

    const auto record = DockerParse::parseInspectObject(QJsonDocument::fromJson(R"({"Id": "abc",
        "State": {"Status": "exited", "Running": false, "ExitCode": 3,
                  "StartedAt": "2026-12-09T10:00:00.5Z", "FinishedAt": "2026-12-09T11:00:00Z"}})")
                                                            .object());
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->exitCode, 3);
    EXPECT_EQ(record->startedAt, QDateTime(QDate(2026, 12, 9), QTime(10, 0, 0, 500), Qt::UTC));
    EXPECT_EQ(record->finishedAt.secsTo(QDateTime(QDate(2026, 12, 9), QTime(11, 0), Qt::UTC)), 0);
}

}  // namespace
