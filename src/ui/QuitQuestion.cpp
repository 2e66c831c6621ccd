#include "ui/QuitQuestion.h"

#include <QMessageBox>
#include <QPushButton>

#include "l10n/L10n.h"

namespace QuitQuestion {

QMessageBox* ask(QWidget* window, const QString& database, std::function<void(bool quit)> answered) {
    if (auto* open = window->findChild<QMessageBox*>(QStringLiteral("quitQuestion"))) {
        open->raise();
        return open;
    }
    auto* box = new QMessageBox(window);
    box->setObjectName(QStringLiteral("quitQuestion"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->setIcon(QMessageBox::Question);
    box->setWindowTitle(QStringLiteral("Tarnwell"));
    box->setText(L10n::render(QStringLiteral("quitDuringImport"), {database}));
    box->setInformativeText(L10n::render(QStringLiteral("quitDuringImportHint"), {database}));
    QPushButton* quit = box->addButton(L10n::render(QStringLiteral("cancelAndQuit")), QMessageBox::DestructiveRole);
    quit->setObjectName(QStringLiteral("cancelAndQuit"));
    QPushButton* keep = box->addButton(L10n::render(QStringLiteral("keepRunning")), QMessageBox::RejectRole);
    keep->setObjectName(QStringLiteral("keepRunning"));
    // Losing an import is never the default: Return and Escape keep it.
    box->setDefaultButton(keep);
    box->setEscapeButton(keep);
    QObject::connect(box, &QMessageBox::finished, box,
                     [box, quit, answered = std::move(answered)] { answered(box->clickedButton() == quit); });
    box->open();
    return box;
}

}  // namespace QuitQuestion
