#include "ui/FileChoosers.h"

#include <QFileDialog>
#include <QStringList>

#include "l10n/L10n.h"
#include "settings/SettingsStore.h"

namespace FileChoosers {
namespace {

QFileDialog* prepare(QWidget* parent, const SettingsStore& settings, const QString& promptKey) {
    auto* dialog = new QFileDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    const QString prompt = L10n::render(promptKey);
    dialog->setWindowTitle(prompt);
    dialog->setLabelText(QFileDialog::Accept, prompt);
    if (const auto& folder = settings.dumpFolderURL()) dialog->setDirectory(*folder);
    return dialog;
}

}  // namespace

QFileDialog* chooseDumpFile(QWidget* parent, const SettingsStore& settings, const std::optional<QString>& lastFolder,
                            std::function<void(const QString&)> chosen) {
    QFileDialog* dialog = prepare(parent, settings, QStringLiteral("chooseFile"));
    // Where the user found the last dump, before the folder set for dumps in general.
    if (lastFolder) dialog->setDirectory(*lastFolder);
    dialog->setObjectName(QStringLiteral("dumpFileDialog"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilters(
        {QStringLiteral("SQL dumps (*.sql *.gz *.zst *.xz *.bz2)"), QStringLiteral("All files (*)")});
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog, [chosen = std::move(chosen)](const QString& file) {
        if (!file.isEmpty()) chosen(file);
    });
    dialog->open();
    return dialog;
}

QFileDialog* chooseDumpFolder(QWidget* parent, SettingsStore& settings) {
    QFileDialog* dialog = prepare(parent, settings, QStringLiteral("chooseFolder"));
    dialog->setObjectName(QStringLiteral("dumpFolderDialog"));
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog, [&settings](const QString& folder) {
        if (!folder.isEmpty()) settings.setDumpFolder(folder);
    });
    dialog->open();
    return dialog;
}

}  // namespace FileChoosers
