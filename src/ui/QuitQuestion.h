#pragma once

#include <functional>

class QMessageBox;
class QString;
class QWidget;

// Asks, while an import runs, whether to cancel it and quit or to keep it running.
namespace QuitQuestion {

// Opens the question on the window; the answer arrives once: true to cancel and quit.
QMessageBox* ask(QWidget* window, const QString& database, std::function<void(bool quit)> answered);

}  // namespace QuitQuestion
