#include "ui/TabularText.h"

#include <QPainter>

namespace TabularText {
namespace {

int digitWidth(const QFontMetrics& metrics) {
    int widest = 0;
    for (char digit = '0'; digit <= '9'; ++digit) widest = std::max(widest, metrics.horizontalAdvance(QChar(digit)));
    return widest;
}

// Splits the text into runs of digits and runs of everything else.
template <typename Visit>
void forEachRun(const QString& text, Visit visit) {
    qsizetype start = 0;
    while (start < text.size()) {
        const bool digits = text.at(start).isDigit() && text.at(start).unicode() < 128;
        qsizetype end = start;
        while (end < text.size() && (text.at(end).isDigit() && text.at(end).unicode() < 128) == digits) ++end;
        visit(text.mid(start, end - start), digits);
        start = end;
    }
}

}  // namespace

int width(const QFontMetrics& metrics, const QString& text) {
    const int digit = digitWidth(metrics);
    int total = 0;
    forEachRun(text, [&](const QString& run, bool digits) {
        total += digits ? int(run.size()) * digit : metrics.horizontalAdvance(run);
    });
    return total;
}

void draw(QPainter* painter, const QFontMetrics& metrics, int x, int baseline, const QString& text) {
    const int digit = digitWidth(metrics);
    forEachRun(text, [&](const QString& run, bool digits) {
        if (!digits) {
            painter->drawText(x, baseline, run);
            x += metrics.horizontalAdvance(run);
            return;
        }
        for (const QChar character : run) {
            const int own = metrics.horizontalAdvance(character);
            painter->drawText(x + (digit - own) / 2, baseline, QString(character));
            x += digit;
        }
    });
}

}  // namespace TabularText

TabularLabel::TabularLabel(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TabularLabel::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    setAccessibleName(text);
    updateGeometry();
    update();
}

QSize TabularLabel::sizeHint() const {
    const QFontMetrics metrics(font());
    return {TabularText::width(metrics, text_), metrics.height()};
}

QSize TabularLabel::minimumSizeHint() const { return {0, QFontMetrics(font()).height()}; }

void TabularLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    const int baseline = (height() - metrics.height()) / 2 + metrics.ascent();
    if (TabularText::width(metrics, text_) <= width()) {
        TabularText::draw(&painter, metrics, 0, baseline, text_);
    } else {
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, metrics.elidedText(text_, Qt::ElideRight, width()));
    }
}
