#include "ui/MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QSplitter>
#include <QStandardPaths>
#include <QToolBar>
#include <QToolButton>

#include "docker/Engine.h"
#include "l10n/L10n.h"
#include "model/AppModel.h"
#include "settings/SettingsStore.h"
#include "ui/AboutBox.h"
#include "ui/ActivityIndicator.h"
#include "ui/ContainerList.h"
#include "ui/DetailColumn.h"
#include "ui/DropZone.h"
#include "ui/HelpView.h"
#include "ui/ImportButton.h"
#include "ui/ImportDetail.h"
#include "ui/ModelBinding.h"
#include "ui/SavedCopies.h"
#include "ui/Symbols.h"
#include "ui/TabOrder.h"

namespace {

constexpr int kSidebarWidth = 270;

// The main window the user last worked in; it shows the confirmation when several are open.
QPointer<MainWindow>& lastActive() {
    static QPointer<MainWindow> window;
    return window;
}

}  // namespace

MainWindow::MainWindow(AppModel& model, SettingsStore& settings, QWidget* parent)
    : QMainWindow(parent), model_(model), settings_(settings) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Tarnwell"));  // the product's name in every language
    setMinimumSize(860, 560);
    resize(1040, 740);

    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("mainToolbar"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->toggleViewAction()->setVisible(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolbar->setIconSize(QSize(18, 18));
    activity_ = new ActivityIndicator(toolbar);
    activity_->setObjectName(QStringLiteral("refreshActivity"));
    refresh_ = new QAction(Symbols::icon(Symbols::Symbol::refresh), QString(), this);
    refresh_->setObjectName(QStringLiteral("refreshAction"));
    refresh_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    refresh_->setShortcutContext(Qt::WindowShortcut);
    toolbar->addWidget(activity_);
    toolbar->addAction(refresh_);
    auto* spacer = new QWidget(toolbar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolbar->addWidget(spacer);
    settingsButton_ = new QToolButton(toolbar);
    settingsButton_->setObjectName(QStringLiteral("settingsButton"));
    settingsButton_->setIcon(Symbols::icon(Symbols::Symbol::settings));
    settingsButton_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    settingsButton_->setAutoRaise(true);
    toolbar->addWidget(settingsButton_);
    menuButton_ = new QToolButton(toolbar);
    menuButton_->setObjectName(QStringLiteral("menuButton"));
    menuButton_->setIcon(Symbols::icon(Symbols::Symbol::menu));
    menuButton_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    menuButton_->setPopupMode(QToolButton::InstantPopup);
    menuButton_->setAutoRaise(true);
    // The arrow Qt adds to menu buttons; the symbol already says "menu".
    menuButton_->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; width: 0; }"));
    toolbar->addWidget(menuButton_);
    for (QToolButton* button : {settingsButton_, menuButton_}) button->setFocusPolicy(Qt::StrongFocus);
    addToolBar(Qt::TopToolBarArea, toolbar);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("mainSplit"));
    split->setChildrenCollapsible(false);
    sidebar_ = new ContainerList(model_, settings, split);
    detail_ = new DetailColumn(model_, settings, split);
    split->addWidget(sidebar_);
    split->addWidget(detail_);
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    split->setSizes({kSidebarWidth, 1040 - kSidebarWidth});
    setCentralWidget(split);

    // The desktop's usual window commands, by keyboard.
    const auto command = [this](QKeySequence::StandardKey key, auto signal) {
        auto* action = new QAction(this);
        action->setShortcut(key);
        addAction(action);
        connect(action, &QAction::triggered, this, signal);
    };
    command(QKeySequence::New, &MainWindow::newWindowRequested);
    command(QKeySequence::Close, &QWidget::close);
    command(QKeySequence::Open, &MainWindow::chooseDump);
    auto* start = new QAction(this);
    start->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    addAction(start);
    connect(start, &QAction::triggered, this, [this] {
        if (detail_->currentWidget() == detail_->importDetail())
            detail_->importDetail()->importButton()->triggerDefault();
    });
    connect(settingsButton_, &QToolButton::clicked, this, &MainWindow::settingsRequested);
    buildMenu();

    cancelShortcut_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    cancelShortcut_->setContext(Qt::WindowShortcut);
    connect(cancelShortcut_, &QShortcut::activated, this, [this] { model_.cancelImport(); });
    connect(refresh_, &QAction::triggered, this, [this] {
        if (refresh_->isEnabled()) model_.refresh();
    });

    onFields(model_, this,
             {AppModel::Field::isLoading, AppModel::Field::phase, AppModel::Field::logLines,
              AppModel::Field::selectedContainerID, AppModel::Field::selectedDatabase, AppModel::Field::savedCopies},
             [this] { render(); });
    onFields(model_, this, {AppModel::Field::confirmImport}, [this] { showConfirmation(); });
    onLanguageChange(settings, this, [this] { retranslate(); });
    retranslate();
    TabOrder::followLayout(this);
    // As large and where the user left it.
    if (const QByteArray geometry = settings.windowGeometry(); !geometry.isEmpty()) restoreGeometry(geometry);
    if (!lastActive()) lastActive() = this;
}

void MainWindow::retranslate() {
    refresh_->setText(L10n::render(QStringLiteral("refresh")));
    refresh_->setToolTip(L10n::render(QStringLiteral("refresh")) + QStringLiteral(" (") +
                         refresh_->shortcut().toString(QKeySequence::NativeText) + QStringLiteral(")"));
    settingsButton_->setToolTip(
        L10n::render(QStringLiteral("settings")) + QStringLiteral(" (") +
        menuActions_.value(QStringLiteral("preferences"))->shortcut().toString(QKeySequence::NativeText) +
        QStringLiteral(")"));
    settingsButton_->setAccessibleName(L10n::render(QStringLiteral("settings")));
    menuButton_->setToolTip(L10n::render(QStringLiteral("mainMenu")));
    menuButton_->setAccessibleName(menuButton_->toolTip());
    const auto name = [this](const char* action, const char* key) {
        menuActions_.value(QLatin1String(action))->setText(L10n::render(QLatin1String(key)));
    };
    name("preferences", "preferencesMenu");
    name("undoLastImport", "undoLastImport");
    menuActions_.value(QStringLiteral("undoLastImport"))->setToolTip(L10n::render(QStringLiteral("undoLastImportTip")));
    name("savedCopies", "savedCopies");
    name("copyLog", "copyLog");
    name("saveLog", "saveLog");
    name("help", "help");
    name("about", "aboutMenu");
    name("quit", "quit");
    if (confirmation_) {
        confirmation_->setWindowTitle(L10n::render(QStringLiteral("confirmTitle")));
        confirmation_->setText(L10n::render(QStringLiteral("confirmTitle")));
        confirmation_->setInformativeText(model_.confirmMessage());
        if (auto* start = confirmation_->findChild<QPushButton*>(QStringLiteral("confirmStart"))) {
            start->setText(model_.confirmButtonText());
        }
        if (auto* cancel = confirmation_->findChild<QPushButton*>(QStringLiteral("confirmCancel"))) {
            cancel->setText(L10n::render(QStringLiteral("cancel")));
        }
    }
    render();
}

void MainWindow::render() {
    const bool loading = model_.isLoading();
    const bool running = model_.phase().isRunning();
    activity_->setAnimating(loading);
    refresh_->setEnabled(!loading && !running);
    const bool hasLog = !model_.logLines().isEmpty();
    menuActions_.value(QStringLiteral("copyLog"))->setEnabled(hasLog);
    menuActions_.value(QStringLiteral("saveLog"))->setEnabled(hasLog);
    // The newest copy of the chosen database; read from disk only while no import runs.
    menuActions_.value(QStringLiteral("undoLastImport"))->setEnabled(!running && model_.lastCopy().has_value());
    cancelShortcut_->setEnabled(running);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    lastActive() = this;
    if (refreshedOnce_) return;
    refreshedOnce_ = true;
    model_.refresh();  // the window's first listing; the model finishes it on its own
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) lastActive() = this;
    QMainWindow::changeEvent(event);
}

bool MainWindow::isLastMainWindow() const {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && qobject_cast<MainWindow*>(window) && window->isVisible()) return false;
    }
    return true;
}

void MainWindow::closeWithoutAsking() {
    closeConfirmed_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the last window while an import runs asks first what should become of it.
    if (!std::exchange(closeConfirmed_, false) && model_.isImportRunning() && isLastMainWindow()) {
        event->ignore();
        Q_EMIT closeDuringImport();
        return;
    }
    QMainWindow::closeEvent(event);
    if (!event->isAccepted()) return;
    settings_.setWindowGeometry(saveGeometry());
    Q_EMIT closed();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Escape reaches here when a focused control claimed it before the shortcut could.
    if (event->key() == Qt::Key_Escape && model_.phase().isRunning()) {
        model_.cancelImport();
        event->accept();
        return;
    }
    // Return on a button acts on that button; Qt leaves that to dialogs.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        // Space toggles a check box; Return there is the window's default action, as in a dialog.
        if (button && button->isCheckable() && !qobject_cast<QToolButton*>(button)) button = nullptr;
        if (button && button->isEnabled() && button->window() == this &&
            button != detail_->importDetail()->importButton()->startButton()) {
            if (auto* tool = qobject_cast<QToolButton*>(button); tool && tool->menu()) {
                tool->showMenu();
            } else {
                button->animateClick();
            }
            event->accept();
            return;
        }
    }
    // Return anywhere else in the window is the default action: the start button.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier &&
        detail_->currentWidget() == detail_->importDetail() &&
        detail_->importDetail()->importButton()->triggerDefault()) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::showConfirmation() {
    if (!model_.confirmImport()) {
        if (confirmation_) confirmation_->close();
        return;
    }
    if (confirmation_ || (lastActive() && lastActive() != this)) return;

    auto* box = new QMessageBox(this);
    box->setObjectName(QStringLiteral("confirmImport"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->setIcon(QMessageBox::Warning);
    box->setWindowTitle(L10n::render(QStringLiteral("confirmTitle")));
    box->setText(L10n::render(QStringLiteral("confirmTitle")));
    box->setInformativeText(model_.confirmMessage());
    // Room for the message, which names the database and the container.
    box->setStyleSheet(QStringLiteral("QLabel#qt_msgbox_informativelabel { min-width: 380px; }"));
    // Whether to save the tables first is part of what is confirmed; the text follows the box.
    if (model_.plannedCopy()) {
        auto* keep = new QCheckBox(L10n::render(QStringLiteral("keepCopyBox")), box);
        keep->setObjectName(QStringLiteral("keepCopy"));
        keep->setChecked(model_.keepsCopy());
        box->setCheckBox(keep);
        connect(keep, &QCheckBox::toggled, box, [this, box](bool checked) {
            model_.setKeepCopy(checked);
            box->setInformativeText(model_.confirmMessage());
        });
    }
    QPushButton* start = box->addButton(model_.confirmButtonText(), QMessageBox::DestructiveRole);
    start->setObjectName(QStringLiteral("confirmStart"));
    QPushButton* cancel = box->addButton(L10n::render(QStringLiteral("cancel")), QMessageBox::RejectRole);
    cancel->setObjectName(QStringLiteral("confirmCancel"));
    // Replacing tables is not the default: Return and Escape both cancel.
    box->setDefaultButton(cancel);
    box->setEscapeButton(cancel);
    connect(box, &QMessageBox::finished, this, [this, box, start] {
        const bool confirmed = box->clickedButton() == start;
        confirmation_ = nullptr;
        model_.setConfirmImport(false);
        if (confirmed) model_.startImport();
    });
    confirmation_ = box;
    box->open();
}

void MainWindow::buildMenu() {
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("mainMenu"));
    const auto add = [this](const QString& name, QKeySequence shortcut, auto handler) {
        auto* action = new QAction(this);
        action->setObjectName(name + QStringLiteral("Action"));
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);  // the shortcut works with the menu closed
        menu_->addAction(action);
        menuActions_.insert(name, action);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    add(QStringLiteral("preferences"), QKeySequence(Qt::CTRL | Qt::Key_Comma), [this] { Q_EMIT settingsRequested(); });
    menu_->addAction(refresh_);
    menuActions_.insert(QStringLiteral("refresh"), refresh_);
    menu_->addSeparator();
    add(QStringLiteral("undoLastImport"), QKeySequence(), [this] { model_.requestUndo(); });
    add(QStringLiteral("savedCopies"), QKeySequence(), [this] { showSavedCopies(); });
    menu_->addSeparator();
    add(QStringLiteral("copyLog"), QKeySequence(), [this] { copyLog(); });
    add(QStringLiteral("saveLog"), QKeySequence(Qt::CTRL | Qt::Key_S), [this] {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString path =
            QFileDialog::getSaveFileName(this, L10n::render(QStringLiteral("saveLog")),
                                         folder + QStringLiteral("/tarnwell.log"), QStringLiteral("*.log *.txt"));
        if (!path.isEmpty()) saveLog(path);
    });
    menu_->addSeparator();
    add(QStringLiteral("help"), QKeySequence(Qt::Key_F1), [this] { showHelp(); });
    add(QStringLiteral("about"), QKeySequence(), [this] { showAbout(); });
    menu_->addSeparator();
    add(QStringLiteral("quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { Q_EMIT quitRequested(); });
    menuButton_->setMenu(menu_);
}

QAction* MainWindow::menuAction(const QString& name) const { return menuActions_.value(name); }

void MainWindow::showSavedCopies() {
    if (auto* open = findChild<SavedCopies*>()) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto* dialog = new SavedCopies(model_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void MainWindow::copyLog() {
    QApplication::clipboard()->setText(model_.logLines().join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

bool MainWindow::saveLog(const QString& path) {
    QSaveFile file(path);
    const QByteArray text = (model_.logLines().join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit()) return true;
    auto* box =
        new QMessageBox(QMessageBox::Warning, L10n::render(QStringLiteral("saveLog")),
                        L10n::render(QStringLiteral("logNotSaved"), {path, file.errorString()}), QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("logNotSaved"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
    return false;
}

void MainWindow::chooseDump() {
    QPushButton* choose = detail_->importDetail()->dropZone()->chooseButton();
    if (detail_->currentWidget() == detail_->importDetail() && choose->isEnabled()) choose->click();
}

void MainWindow::showHelp() { HelpView::open(this); }
void MainWindow::showAbout() {
    const auto container = model_.selectedContainer();
    AboutBox::open(this, container ? Engine::describe(container->engine, container->rootless, container->endpoint)
                                   : Engine::productName(model_.engine()));
}
