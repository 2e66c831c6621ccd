#include "ui/WrappedText.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

#include <cmath>

WrappedText::WrappedText(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setAcceptRichText(false);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Text on the page's ground, not in a field: Tab moves on.
    setTabChangesFocus(true);
    setFocusPolicy(Qt::ClickFocus);
    viewport()->setAutoFillBackground(false);
    setStyleSheet(QStringLiteral("QTextEdit { background: transparent; }"));
    document()->setDocumentMargin(0);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            [this] { fitHeight(); });
}

void WrappedText::setText(const QString& text) {
    if (text == toPlainText()) return;
    setPlainText(text);
    fitHeight();
}

void WrappedText::fitHeight() {
    document()->setTextWidth(viewport()->width());
    const int height =
        int(std::ceil(document()->size().height())) + contentsMargins().top() + contentsMargins().bottom();
    if (height != this->height() || minimumHeight() != height) setFixedHeight(qMax(height, fontMetrics().height()));
}

void WrappedText::resizeEvent(QResizeEvent* event) {
    QTextEdit::resizeEvent(event);
    fitHeight();
}

QSize WrappedText::sizeHint() const { return {fontMetrics().averageCharWidth() * 40, height()}; }
QSize WrappedText::minimumSizeHint() const { return {fontMetrics().averageCharWidth() * 10, height()}; }
