#include <csignal>
#include <cstring>
#include <gtest/gtest.h>

#include "import/ContainerFate.h"
#include "l10n/L10n.h"

namespace {

using ContainerFate::State;

// The engine's answers, as docker prints them, and what each tells of the container.
TEST(ContainerFate, EngineAnswersAndTheMessagesTheyGive) {
    const struct {
        int status;
        const char *out, *err;
        State state;
    } answers[] = {
        {0, "running\n", "", State::running},
        {0, "paused\n", "", State::paused},
        {0, "exited\n", "", State::stopped},
        {0, "dead\n", "", State::gone},
        {1, "", "Error: No such container: db\n", State::gone},
        {1, "", "Cannot connect to the Docker daemon at unix:///var/run/docker.sock. Is the docker daemon running?\n",
         State::engineGone},
        {99, "", "stand-in: unexpected call\n", State::running},  // says nothing: the outcome stands
    };
    for (const auto& a : answers)
        EXPECT_EQ(ContainerFate::parseState(a.status, a.out, a.err), a.state) << a.out << a.err;

    const ImportOutcome lost =
        ImportOutcome::failed("ERROR 2013 (HY000) at line 12: Lost connection to server during query");
    EXPECT_EQ(ContainerFate::explain(State::stopped, "db", lost),
              L10n::render("importContainerStopped", {QString("db")}));
    EXPECT_EQ(ContainerFate::explain(State::running, "db", lost), std::nullopt);
    EXPECT_EQ(ContainerFate::explain(State::gone, "db", lost), L10n::render("importContainerGone", {QString("db")}));
    EXPECT_EQ(ContainerFate::explain(State::engineGone, "db", lost), L10n::render("importEngineGone", {QString("db")}));
    EXPECT_EQ(ContainerFate::explain(State::paused, "db", ImportOutcome::cancelled()),
              L10n::render("importContainerPaused", {QString("db")}));
    EXPECT_EQ(ContainerFate::explain(State::running, "db", ImportOutcome::cancelled()), std::nullopt);
    EXPECT_EQ(ContainerFate::explain(State::gone, "db", ImportOutcome::success(1)), std::nullopt);
    const ImportOutcome killed = ImportOutcome::failed(L10n::render("mysqlStatus", {qint64(137)}));
    EXPECT_EQ(ContainerFate::explain(State::running, "db", killed),
              L10n::render("importClientSignalled", {qint64(SIGKILL), QString::fromLocal8Bit(strsignal(SIGKILL))}));
    EXPECT_EQ(
        ContainerFate::explain(State::running, "db", ImportOutcome::failed(L10n::render("mysqlStatus", {qint64(1)}))),
        std::nullopt);
}

}  // namespace
