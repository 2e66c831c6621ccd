#include <gtest/gtest.h>

#include "model/ContainerOrder.h"

namespace {

DockerContainer make(const char* id, const char* name, bool mysql, bool running) {
    DockerContainer c;
    c.id = id;
    c.name = name;
    c.isMysql = mysql;
    c.running = running;
    return c;
}

QStringList names(const QList<DockerContainer>& list) {
    QStringList out;
    for (const auto& c : list) out << c.name;
    return out;
}

TEST(ContainerOrder, MysqlFirstThenRunningThenNameCaseInsensitively) {
    const QList<DockerContainer> listed = {make("1", "beta", true, false), make("2", "Alpha", true, true),
                                           make("3", "gamma", false, true), make("4", "delta", false, false),
                                           make("5", "alpha2", true, true)};
    EXPECT_EQ(names(ContainerOrder::visible(listed, true)), QStringList({"Alpha", "alpha2", "beta", "gamma", "delta"}));
    EXPECT_EQ(names(ContainerOrder::visible(listed, false)), QStringList({"Alpha", "alpha2", "gamma"}));
}

TEST(ContainerOrder, EqualNamesKeepTheirListingOrder) {
    const QList<DockerContainer> listed = {make("1", "db", true, true), make("2", "DB", true, true),
                                           make("3", "db", true, true)};
    const auto sorted = ContainerOrder::visible(listed, true);
    EXPECT_EQ(sorted[0].id, "1");
    EXPECT_EQ(sorted[1].id, "2");
    EXPECT_EQ(sorted[2].id, "3");
}

TEST(ContainerOrder, SelectionFollowsItsRules) {
    const auto runningA = make("a", "a", true, true);
    const auto runningB = make("b", "b", true, true);
    const auto stoppedC = make("c", "c", true, false);
    const auto webD = make("d", "d", false, true);
    const struct {
        const char* what;
        QList<DockerContainer> visible;
        std::optional<QString> current;
        std::optional<QString> last;
        std::optional<QString> expected;
    } cases[] = {
        {"current stays while visible", {runningA, runningB}, "b", "a", "b"},
        {"last name wins over order", {runningA, runningB}, std::nullopt, "b", "b"},
        {"hidden current moves", {runningA, runningB}, "gone", std::nullopt, "a"},
        {"last name of stopped is passed over", {runningA, stoppedC}, std::nullopt, "c", "a"},
        {"last name of non-MySQL is passed over", {webD, runningA}, std::nullopt, "d", "a"},
        {"first MySQL when none runs", {webD, stoppedC}, std::nullopt, std::nullopt, "c"},
        {"first container without MySQL", {webD}, std::nullopt, std::nullopt, "d"},
        {"nothing visible", {}, "a", "a", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ContainerOrder::choose(c.visible, c.current, c.last), c.expected) << c.what;
}

}  // namespace
