#include <QApplication>
#include <QLocalServer>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "UiHarness.h"
#include "app/InstanceChannel.h"
#include "app/QuitSignals.h"
#include "support/ModelSteps.h"
#include "ui/DesktopNotifier.h"
#include "ui/ImportButton.h"
#include "ui/ImportDetail.h"

namespace {

using ShellTest = UiTest;

const QByteArray kSlowDump = "SELECT SLEEP(15);\n";  // ends soon after a cancel, inside too

TEST_F(ShellTest, ClosingTheLastWindowQuitsUnlessAnImportRuns) {
    QSignalSpy quit(shell_.get(), &AppShell::quitRequested);
    prepareImport(writeFile("slow.sql", kSlowDump));
    confirmAndStart(model());
    ASSERT_TRUE(shell_->isImporting());
    waitUntil([this] { return model().logLines().join('\n').contains("MYSQL_PWD=***"); });  // the runner began
    // Closing the last window asks first; keeping the import lets the window go.
    window_->close();
    auto* question = window_->findChild<QMessageBox*>("quitQuestion");
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->text(), QString::fromUtf8("An import into “ui_target” is running. Cancel it and quit?"));
    EXPECT_EQ(shell_->mainWindows().size(), 1);
    question->findChild<QPushButton*>("keepRunning")->click();
    waitUntil([this] { return shell_->mainWindows().isEmpty(); });
    EXPECT_EQ(quit.count(), 0);
    EXPECT_TRUE(shell_->isImporting());
    // The desktop is told where the import went, with a way back.
    EXPECT_EQ(shell_->notifier().lastSummary(), QString::fromUtf8("The import into “ui_target” keeps running."));

    // Clicking the notification shows the running import in a new window with the same model.
    Q_EMIT shell_->notifier().activated();
    ASSERT_EQ(shell_->mainWindows().size(), 1);
    window_ = shell_->mainWindows().first();
    auto* detail = window_->findChild<ImportDetail*>();
    waitUntil([&] { return detail->isVisible(); });
    EXPECT_TRUE(detail->importButton()->cancelButton()->isVisible());

    // Quitting asks too; keeping it running keeps everything.
    QApplication::setActiveWindow(window_);
    QTest::keyClick(window_, Qt::Key_Q, Qt::ControlModifier);
    question = window_->findChild<QMessageBox*>("quitQuestion");
    ASSERT_NE(question, nullptr);
    question->findChild<QPushButton*>("keepRunning")->click();
    EXPECT_EQ(quit.count(), 0);
    EXPECT_TRUE(shell_->isImporting());

    // An import that ends while no window of the program is active is announced.
    QApplication::setActiveWindow(nullptr);
    const int sent = shell_->notifier().sentCount();
    // The will-terminate path cancels it.
    shell_->applicationWillTerminate();
    EXPECT_TRUE(shell_->waitForImportToEnd(60000));
    EXPECT_EQ(model().phase().kind(), AppModel::Phase::Kind::cancelled);
    EXPECT_EQ(shell_->notifier().sentCount(), sent + 1);
    EXPECT_EQ(shell_->notifier().lastSummary(), "Import cancelled.");

    window_->close();
    EXPECT_EQ(quit.count(), 1);
}

TEST_F(ShellTest, ReactivatingRestoresAMinimisedWindowInsteadOfOpeningAnother) {
    window_->showMinimized();
    shell_->reactivate();
    ASSERT_EQ(shell_->mainWindows().size(), 1);
    EXPECT_FALSE(window_->isMinimized());
    EXPECT_TRUE(window_->isVisible());
}

TEST(InstanceChannelTest, ALaterStartHandsOverAndAStaleSocketIsReplaced) {
    QTemporaryDir folder;
    const QString name = folder.filePath("tarnwell-test.socket");
    EXPECT_FALSE(InstanceChannel::handOver(name));  // nobody runs yet

    {  // a program that died leaves its socket file behind
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(name).constData(), sizeof(address.sun_path));
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        ::close(fd);
    }
    ASSERT_TRUE(QFile::exists(name));
    EXPECT_FALSE(InstanceChannel::handOver(name));

    InstanceChannel running;
    ASSERT_TRUE(running.listen(name));
    QSignalSpy activation(&running, &InstanceChannel::activationRequested);
    EXPECT_TRUE(InstanceChannel::handOver(name));
    EXPECT_TRUE(activation.wait(10000) || activation.count() == 1);
    EXPECT_TRUE(InstanceChannel::defaultName().contains(QString::number(::getuid())));
}

TEST(QuitSignalsTest, TerminationSignalsBecomeAnOrderlyQuit) {
    QuitSignals quitSignals;
    QSignalSpy quit(&quitSignals, &QuitSignals::quitRequested);
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
        quit.clear();
        ::raise(number);
        ASSERT_TRUE(quit.wait(10000) || quit.count() == 1);
        EXPECT_EQ(quit.first().first().toInt(), number);
    }
}

}  // namespace

namespace {

TEST_F(ShellTest, QuittingDuringAnImportCancelsItOnlyWhenTheUserSaysSo) {
    QSignalSpy quit(shell_.get(), &AppShell::quitRequested);
    prepareImport(writeFile("slow.sql", kSlowDump));
    confirmAndStart(model());
    waitUntil([this] { return model().logLines().join('\n').contains("MYSQL_PWD=***"); });
    window_->menuAction("quit")->trigger();
    auto* question = window_->findChild<QMessageBox*>("quitQuestion");
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->defaultButton(), question->findChild<QPushButton*>("keepRunning"));
    question->findChild<QPushButton*>("cancelAndQuit")->click();
    // The window says the import is stopping, and the program ends once it has, once.
    if (model().isImportRunning()) {
        EXPECT_EQ(quit.count(), 0);
        auto* cancel = window_->findChild<QPushButton*>("cancelImport");
        EXPECT_EQ(cancel->text(), QString::fromUtf8("Stopping…"));
        EXPECT_FALSE(cancel->isEnabled());
        // Asking again while it stops asks nothing.
        waitUntil([this] { return window_->findChild<QMessageBox*>("quitQuestion") == nullptr; }, 2000);
        window_->menuAction("quit")->trigger();
        EXPECT_EQ(window_->findChild<QMessageBox*>("quitQuestion"), nullptr);
    }
    waitUntil([this] { return !model().isImportRunning(); });
    EXPECT_EQ(model().phase().kind(), AppModel::Phase::Kind::cancelled);
    EXPECT_EQ(quit.count(), 1);
    // Nothing is left to ask about when the application closes its windows to quit.
    QTest::qWait(50);
    EXPECT_EQ(window_->findChild<QMessageBox*>("quitQuestion"), nullptr);

    // Without an import, quitting asks nothing.
    waitUntil([this] { return window_->findChild<QMessageBox*>("quitQuestion") == nullptr; });
    window_->menuAction("quit")->trigger();
    EXPECT_EQ(quit.count(), 2);
    EXPECT_EQ(window_->findChild<QMessageBox*>("quitQuestion"), nullptr);
}

}  // namespace
