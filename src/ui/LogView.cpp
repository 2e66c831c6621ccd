#include "ui/LogView.h"

#include <QScrollBar>

#include "model/AppModel.h"
#include "ui/ModelBinding.h"
#include "ui/Style.h"

LogView::LogView(AppModel& model, QWidget* parent) : QPlainTextEdit(parent), model_(model) {
    setObjectName(QStringLiteral("importLog"));
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFont(Style::monospacedCaption());
    document()->setDocumentMargin(8);
    setStyleSheet(QStringLiteral("QPlainTextEdit#importLog { border: 1px solid %1; border-radius: 8px;"
                                 " background: palette(base); }")
                      .arg(Style::separator(this).name()));
    onFields(model_, this, {AppModel::Field::logLines}, [this] { render(); });
    render();
}

void LogView::render() {
    const QStringList& lines = model_.logLines();
    if (lines.size() >= shown_.size() && !shown_.isEmpty() &&
        std::equal(shown_.cbegin(), shown_.cend(), lines.cbegin())) {
        for (qsizetype i = shown_.size(); i < lines.size(); ++i) appendPlainText(lines.at(i));
    } else {
        setPlainText(lines.join(QLatin1Char('\n')));
    }
    const bool changed = lines.size() != shown_.size() || lines != shown_;
    shown_ = lines;

    const bool empty = lines.isEmpty();
    setFixedHeight(empty ? 0 : kHeight);
    setVisible(!empty);
    // Follow the newest line; at the line limit the count stays the same, so every change counts.
    if (changed && !empty) {
        QScrollBar* bar = verticalScrollBar();
        bar->setValue(bar->maximum());
        // The document lays out new lines later; follow again once it has.
        QMetaObject::invokeMethod(
            bar, [bar] { bar->setValue(bar->maximum()); }, Qt::QueuedConnection);
    }
}
