#include "cli/ProgressDisplay.h"

#include <unistd.h>

#include "cli/LiveProgress.h"
#include "cli/Terminal.h"
#include "import/ProgressText.h"

namespace {

const QByteArray kEraseLine = "\r\x1b[K";

}  // namespace

void ProgressDisplay::show(const ImportProgress& progress) {
    latest_ = progress;
    if (live_) draw();
}

void ProgressDisplay::tick() {
    if (!live_ && latest_) Terminal::err(ProgressText::line(*latest_));
}

void ProgressDisplay::log(const QString& line) {
    if (live_ && drawn_) {
        Terminal::write(STDERR_FILENO, kEraseLine + line.toUtf8() + '\n');
        draw();
    } else {
        Terminal::err(line);
    }
}

void ProgressDisplay::clear() {
    if (!drawn_) return;
    Terminal::write(STDERR_FILENO, kEraseLine);
    drawn_ = false;
}

void ProgressDisplay::draw() {
    if (!latest_) return;
    const QString text = LiveProgress::liveLine(*latest_, Terminal::columns(STDERR_FILENO));
    Terminal::write(STDERR_FILENO, kEraseLine + text.toUtf8());
    drawn_ = true;
}
