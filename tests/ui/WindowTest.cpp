#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "UiHarness.h"
#include "l10n/L10n.h"
#include "support/Fixtures.h"
#include "support/ModelSteps.h"
#include "ui/ContainerList.h"
#include "ui/DatabaseList.h"
#include "ui/Disclosure.h"
#include "ui/ErrorBanner.h"
#include "ui/HelpView.h"
#include "ui/ImportButton.h"
#include "ui/ImportDetail.h"
#include "ui/NewDatabaseDialog.h"
#include "ui/OutcomePanel.h"
#include "ui/SettingsView.h"
#include "ui/Symbols.h"
#include "ui/WrappedText.h"

namespace {

using WindowTest = UiTest;

ImportDetail* panel(MainWindow* window) { return window->findChild<ImportDetail*>(); }

// Statements whose answers fill the log well past its limit.
QByteArray manySelects(int count) {
    QByteArray text;
    for (int i = 0; i < count; ++i) text += "SELECT " + QByteArray::number(i) + ";\n";
    return text;
}

void runToEnd(AppModel& model) {
    confirmAndStart(model);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !model.isImportRunning(); }, 180000));
}

TEST_F(WindowTest, AFailedImportShowsTheServersErrorFirstAndTheCommandInItsDetails) {
    prepareImport(writeFile("broken.sql",
                            "CREATE TABLE t (x INT);\nINSERT INTO t VALUES (1),(2);\n"
                            "INSERT INTO t VALUES (3) ORDER WRONG WAY BY /work/some/very/long/path/that/"
                            "has/no/spaces/at/all/and/would/run/off/the/right/edge/of/the/window;\n"));
    runToEnd(model());
    ASSERT_EQ(model().phase().kind(), AppModel::Phase::Kind::failed);
    // The databases are read again after every import; that leaves the failure standing.
    waitUntil([this] { return !model().isLoadingDatabases(); });
    // One place says it all: the result panel, not a banner besides.
    EXPECT_FALSE(panel(window_)->banner()->isVisibleTo(window_));
    OutcomePanel* outcome = find<OutcomePanel>(panel(window_)->footer(), "outcomePanel");
    ASSERT_TRUE(outcome->isVisibleTo(window_));
    EXPECT_EQ(find<QLabel>(outcome, "outcomeText")->text(), QString::fromUtf8("The import into “ui_target” failed."));
    EXPECT_TRUE(outcome->cause()->text().startsWith("ERROR 1064")) << outcome->cause()->text().toStdString();
    // What the target holds now: the statements before the failing one ran.
    waitUntil([&] { return find<QLabel>(outcome, "outcomeState")->isVisibleTo(outcome); });
    EXPECT_TRUE(
        find<QLabel>(outcome, "outcomeState")->text().startsWith(QString::fromUtf8("“ui_target” now holds 1 table, ")));
    // The long line wraps inside the panel instead of running past its edge.
    EXPECT_LE(outcome->cause()->document()->size().width(), outcome->cause()->viewport()->width() + 1);
    EXPECT_LE(outcome->cause()->mapTo(outcome, QPoint(outcome->cause()->width(), 0)).x(), outcome->width());
    // Copy details: what was run, with the password hidden.
    find<QPushButton>(outcome, "copyDetails")->click();
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.contains("ERROR 1064"));
    EXPECT_TRUE(copied.contains("Import into ui_target on " + Fixtures::seeded()));
    EXPECT_TRUE(copied.contains("MYSQL_PWD=***"));
    EXPECT_FALSE(copied.contains(Fixtures::seededPassword()));
    // Retry asks again, as a start does.
    find<QPushButton>(outcome, "retryImport")->click();
    EXPECT_TRUE(model().confirmImport());
    model().setConfirmImport(false);
}

TEST_F(WindowTest, ADamagedCompressedFileIsNamedAsTheCause) {
    QByteArray dump = "CREATE TABLE t (x INT, y VARCHAR(100));\n";
    for (int i = 0; i < 20000; ++i)
        dump += "INSERT INTO t VALUES (" + QByteArray::number(i) + ", 'row " + QByteArray::number(i * 7919) + "');\n";
    const QString plain = writeFile("cut.sql", dump);
    ASSERT_EQ(QProcess::execute("/usr/bin/gzip", {"-f", plain}), 0);
    QFile compressed(plain + ".gz");
    ASSERT_TRUE(compressed.open(QIODevice::ReadWrite));
    ASSERT_TRUE(compressed.resize(compressed.size() / 2));  // a download that stopped halfway
    compressed.close();
    prepareImport(compressed.fileName());
    runToEnd(model());
    ASSERT_EQ(model().phase().kind(), AppModel::Phase::Kind::failed);
    EXPECT_EQ(find<OutcomePanel>(panel(window_), "outcomePanel")->cause()->text(),
              "The file is damaged (gzip: unexpected end of file).");
}

TEST_F(WindowTest, ALongLogKeepsItsHeadAndTheFooterStaysInSight) {
    prepareImport(writeFile("chatty.sql", manySelects(600)));
    runToEnd(model());
    ASSERT_EQ(model().phase().kind(), AppModel::Phase::Kind::success) << model().logLines().join('\n').toStdString();
    const QStringList log = model().logLines();
    ASSERT_EQ(log.size(), AppModel::kLogLimit);
    EXPECT_EQ(log.first(), "Import into ui_target on " + Fixtures::seeded());
    const QStringList head = model().logHead();
    ASSERT_GE(head.size(), 3);
    EXPECT_TRUE(head.last().contains("MYSQL_PWD=***")) << head.last().toStdString();
    EXPECT_TRUE(log.at(head.size()).endsWith(" lines left out …")) << log.at(head.size()).toStdString();
    EXPECT_TRUE(log.last().startsWith("Finished in "));

    // The start button lives in the footer, outside the scrolling page, and is on screen.
    ImportDetail* detail = panel(window_);
    QPushButton* start = detail->importButton()->startButton();
    EXPECT_TRUE(detail->footer()->isAncestorOf(start));
    EXPECT_FALSE(detail->scrollArea()->isAncestorOf(start));
    EXPECT_FALSE(start->visibleRegion().isEmpty());
    EXPECT_TRUE(window_->rect().contains(start->mapTo(window_, start->rect().bottomRight())));
    EXPECT_TRUE(find<QLabel>(detail->footer(), "outcomeText")->text().startsWith("Import finished in "));
}

TEST_F(WindowTest, TheMenuCopiesSavesAndExplains) {
    const QStringList names = {"preferences", "refresh", "undoLastImport", "savedCopies", "copyLog",
                               "saveLog",     "help",    "about",          "quit"};
    QStringList shown;
    for (QAction* action : window_->mainMenu()->actions()) {
        if (!action->isSeparator()) shown << action->text();
    }
    EXPECT_EQ(shown, QStringList({"Preferences…", "Refresh", "Undo last import", "Saved copies…", "Copy Log",
                                  "Save Log…", "Help", "About Tarnwell", "Quit"}));
    EXPECT_EQ(window_->menuAction("preferences")->shortcut(), QKeySequence("Ctrl+,"));
    EXPECT_EQ(window_->menuAction("help")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(window_->menuAction("quit")->shortcut(), QKeySequence("Ctrl+Q"));
    EXPECT_FALSE(window_->menuAction("copyLog")->isEnabled());  // nothing to copy yet

    prepareImport(writeFile("small.sql", "CREATE TABLE t (x INT);\n"));
    runToEnd(model());
    ASSERT_TRUE(window_->menuAction("copyLog")->isEnabled());
    window_->menuAction("copyLog")->trigger();
    const QString expected = model().logLines().join('\n') + '\n';
    EXPECT_EQ(QApplication::clipboard()->text(), expected);

    const QString path = dir_.filePath("saved.log");
    ASSERT_TRUE(window_->saveLog(path));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(saved.readAll()), expected);
    // A folder that is not there: a message, and the window goes on.
    EXPECT_FALSE(window_->saveLog(dir_.filePath("missing/saved.log")));
    auto* failure = window_->findChild<QMessageBox*>("logNotSaved");
    ASSERT_NE(failure, nullptr);
    EXPECT_TRUE(failure->text().startsWith("The log could not be saved to " + dir_.filePath("missing/saved.log")));
    failure->close();

    QApplication::setActiveWindow(window_);
    QTest::keyClick(window_, Qt::Key_F1);
    auto* help = window_->findChild<HelpView*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->browser()->toPlainText().contains("Restore a dump"));
    help->close();
    // Help comes in the interface language; where a language has none, English says so.
    EXPECT_TRUE(HelpView::helpText("de").startsWith("# Einen Dump mit Tarnwell wiederherstellen"));
    EXPECT_TRUE(HelpView::helpText("tlh").startsWith(L10n::render("helpInEnglish")));
    EXPECT_TRUE(HelpView::helpText("tlh").endsWith(HelpView::helpText("en")));

    window_->menuAction("about")->trigger();
    auto* about = window_->findChild<QMessageBox*>("aboutBox");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->text().contains("Version " TARNWELL_VERSION));
    EXPECT_TRUE(about->text().contains("MIT"));
    EXPECT_TRUE(about->text().contains("Containers through Docker")) << about->text().toStdString();
    about->close();

    QApplication::setActiveWindow(window_);
    QTest::keyClick(window_, Qt::Key_Comma, Qt::ControlModifier);
    ASSERT_NE(shell_->settingsWindow(), nullptr);
    EXPECT_TRUE(shell_->settingsWindow()->isVisible());
}

TEST_F(WindowTest, ReturnActsOnTheFocusedControlAndElsewhereStartsTheImportFlow) {
    prepareImport(writeFile("small.sql", "CREATE TABLE t (x INT);\n"));
    // Space toggles a check box; Return there is the window's default action and leaves it alone.
    auto* showStopped = find<QCheckBox>("showStopped");
    const bool before = showStopped->isChecked();
    showStopped->setFocus();
    QTest::keyClick(showStopped, Qt::Key_Return);
    EXPECT_EQ(showStopped->isChecked(), before);
    EXPECT_TRUE(model().confirmImport());
    ASSERT_TRUE(waitUntil([this] { return window_->confirmation() != nullptr; }));
    window_->confirmation()->reject();
    QApplication::setActiveWindow(window_);
    showStopped->setFocus();
    QTest::keyClick(showStopped, Qt::Key_Space);
    EXPECT_NE(showStopped->isChecked(), before);
    showStopped->setChecked(before);

    QListWidget* databases = panel(window_)->databases()->list();
    databases->setFocus();
    QTest::keyClick(databases, Qt::Key_Return);
    EXPECT_TRUE(model().confirmImport());
    ASSERT_TRUE(waitUntil([this] { return window_->confirmation() != nullptr; }));
    window_->confirmation()->reject();
}

TEST_F(WindowTest, ANewDatabaseIsCreatedOnTheServerListedAndSelected) {
    const QString name = "ui_new_db";
    Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(), "DROP DATABASE IF EXISTS " + name);
    clickContainer(Fixtures::seeded());
    DatabaseList* list = panel(window_)->databases();
    ASSERT_TRUE(list->newDatabaseButton()->isEnabled());
    EXPECT_EQ(list->newDatabaseButton()->text(), "New Database…");
    QPointer<NewDatabaseDialog> dialog = list->openNewDatabase();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->collationPicker()->currentText(), "Server default");
    EXPECT_EQ(dialog->chosenCollation(), "");
    EXPECT_FALSE(dialog->createButton()->isEnabled());
    QTest::keyClicks(dialog->nameField(), name);
    dialog->createButton()->click();
    ASSERT_TRUE(waitUntil([&] { return dialog.isNull() || !dialog->isVisible(); }));
    EXPECT_EQ(model().selectedDatabase(), name);
    EXPECT_EQ(list->list()->findItems(name, Qt::MatchExactly).size(), 1);
    EXPECT_EQ(list->list()->selectedItems().value(0)->text(), name);
    EXPECT_EQ(Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(),
                            "SELECT DEFAULT_CHARACTER_SET_NAME FROM information_schema.SCHEMATA WHERE SCHEMA_NAME='" +
                                name + "'"),
              "utf8mb4");

    // A name the server has already: the reason shows in the dialog, which stays open.
    dialog = list->openNewDatabase();
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(dialog->nameField(), QLatin1String(kTarget));
    dialog->createButton()->click();
    ASSERT_TRUE(waitUntil([&] { return dialog.isNull() || dialog->errorLine()->isVisibleTo(dialog); }));
    ASSERT_FALSE(dialog.isNull());
    EXPECT_TRUE(dialog->errorLine()->text().contains("exists")) << dialog->errorLine()->text().toStdString();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(panel(window_)->banner()->isVisibleTo(window_));
    dialog->reject();
    Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(), "DROP DATABASE IF EXISTS " + name);
}

TEST_F(WindowTest, IconOnlyControlsAreNamedAndTheSymbolsNeedNoTheme) {
    clickContainer(Fixtures::seeded());
    for (QToolButton* button : window_->findChildren<QToolButton*>()) {
        if (!button->isVisibleTo(window_) || !button->text().isEmpty()) continue;
        if (button->toolButtonStyle() != Qt::ToolButtonIconOnly && !button->icon().isNull()) continue;
        EXPECT_FALSE(button->accessibleName().isEmpty()) << button->objectName().toStdString();
        EXPECT_FALSE(button->toolTip().isEmpty()) << button->objectName().toStdString();
        EXPECT_NE(button->focusPolicy() & Qt::TabFocus, 0) << button->objectName().toStdString();
    }
    // The drawings follow the palette: light symbols on a dark one.
    const QPalette original = QApplication::palette();
    QPalette dark = original;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    QApplication::setPalette(dark);
    using Symbols::Symbol;
    for (const Symbol symbol : {Symbol::settings, Symbol::refresh, Symbol::warning, Symbol::close, Symbol::success,
                                Symbol::stopped, Symbol::noContainer, Symbol::database, Symbol::menu, Symbol::add}) {
        const QImage image = Symbols::bundled(symbol).pixmap(16, 16).toImage();
        ASSERT_FALSE(image.isNull());
        int light = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel.alpha() > 128 && pixel.lightness() > 200) ++light;
            }
        }
        EXPECT_GT(light, 4) << int(symbol);
    }
    QApplication::setPalette(original);
}

}  // namespace
