#pragma once

#include <QString>

#include <functional>
#include <optional>

class QFileDialog;
class QWidget;
class SettingsStore;

// The two open dialogs: the dump file chooser and the default folder chooser. Both start in
// the default dump folder and are window-modal without blocking the event loop; they answer
// through the callback only when the user confirms.
namespace FileChoosers {

// The file chooser starts in the last dump's folder when there is one.
QFileDialog* chooseDumpFile(QWidget* parent, const SettingsStore& settings, const std::optional<QString>& lastFolder,
                            std::function<void(const QString&)> chosen);
QFileDialog* chooseDumpFolder(QWidget* parent, SettingsStore& settings);

}  // namespace FileChoosers
