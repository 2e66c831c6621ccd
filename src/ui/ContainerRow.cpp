#include "ui/ContainerRow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QListWidgetItem>
#include <QPainter>
#include <QPainterPath>

#include "ui/Style.h"

namespace ContainerRow {
namespace {

constexpr int kVerticalPadding = 4;
constexpr int kHorizontalPadding = 8;
constexpr int kLineGap = 3;
constexpr int kItemGap = 6;
constexpr int kDot = 8;
// Product names, never translated.
QString badgeText(const QModelIndex& index) {
    return index.data(mariadbRole).toBool() ? QStringLiteral("MariaDB") : QStringLiteral("MySQL");
}

}  // namespace

void fill(QListWidgetItem* item, const DockerContainer& container) {
    item->setData(idRole, container.id);
    item->setData(nameRole, container.name);
    item->setData(imageRole, container.image);
    item->setData(portsRole, container.ports);
    item->setData(runningRole, container.running);
    item->setData(mysqlRole, container.isMysql);
    item->setData(mariadbRole, container.isMariadb);
    item->setData(Qt::DisplayRole, container.name);  // for accessibility and keyboard search
    QString tip = container.image;
    if (!container.ports.isEmpty()) tip += QStringLiteral("\n") + container.ports;
    item->setToolTip(tip);
}

QSize Delegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QFontMetrics headline(Style::headline());
    const QFontMetrics caption(Style::caption());
    int height = kVerticalPadding * 2 + headline.height() + kLineGap + caption.height();
    if (!index.data(portsRole).toString().isEmpty()) height += kLineGap + QFontMetrics(Style::smallCaption()).height();
    return {option.rect.width() > 0 ? option.rect.width() : 200, height};
}

void Delegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem panel = option;
    initStyleOption(&panel, index);
    const auto [primary, secondary, tertiary] = Style::paintRow(painter, panel);
    const QWidget* widget = option.widget;
    const bool selected = option.state & QStyle::State_Selected;

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QRect box =
        option.rect.adjusted(kHorizontalPadding, kVerticalPadding, -kHorizontalPadding, -kVerticalPadding);
    int y = box.top();
    int x = box.left();

    // First line: dot, name, badge.
    const QFont headlineFont = Style::headline();
    const QFontMetrics headline(headlineFont);
    const QFont badgeFont = Style::smallCaption();
    const QFontMetrics badgeMetrics(badgeFont);
    const bool mysql = index.data(mysqlRole).toBool();
    const QString badgeName = badgeText(index);
    const int badgeWidth = mysql ? badgeMetrics.horizontalAdvance(badgeName) + 12 : 0;

    const QColor dot = index.data(runningRole).toBool() ? Style::green() : Style::secondary(widget);
    painter->setPen(Qt::NoPen);
    painter->setBrush(dot);
    painter->drawEllipse(QRectF(x, y + (headline.height() - kDot) / 2.0, kDot, kDot));
    x += kDot + kItemGap;

    const int nameSpace = std::max(0, box.right() - x - (mysql ? badgeWidth + kItemGap : 0));
    const QString name = headline.elidedText(index.data(nameRole).toString(), Qt::ElideRight, nameSpace);
    painter->setFont(headlineFont);
    painter->setPen(primary);
    painter->drawText(QRect(x, y, nameSpace, headline.height()), Qt::AlignLeft | Qt::AlignVCenter, name);
    x += headline.horizontalAdvance(name) + kItemGap;

    if (mysql) {
        const int badgeHeight = badgeMetrics.height() + 4;
        const QRectF badge(x, y + (headline.height() - badgeHeight) / 2.0, badgeWidth, badgeHeight);
        QColor fill = primary;
        fill.setAlphaF(selected ? 0.22 : 0.09);
        QPainterPath capsule;
        capsule.addRoundedRect(badge, badgeHeight / 2.0, badgeHeight / 2.0);
        painter->fillPath(capsule, fill);
        painter->setFont(badgeFont);
        painter->setPen(selected ? primary : Style::secondary(widget));
        painter->drawText(badge, Qt::AlignCenter, badgeName);
    }
    y += headline.height() + kLineGap;

    // Second line: the image; third line: the ports.
    const QFont captionFont = Style::caption();
    const QFontMetrics caption(captionFont);
    painter->setFont(captionFont);
    painter->setPen(secondary);
    painter->drawText(QRect(box.left(), y, box.width(), caption.height()), Qt::AlignLeft | Qt::AlignVCenter,
                      caption.elidedText(index.data(imageRole).toString(), Qt::ElideRight, box.width()));
    y += caption.height() + kLineGap;

    const QString ports = index.data(portsRole).toString();
    if (!ports.isEmpty()) {
        const QFontMetrics small(badgeFont);
        painter->setFont(badgeFont);
        painter->setPen(tertiary);
        painter->drawText(QRect(box.left(), y, box.width(), small.height()), Qt::AlignLeft | Qt::AlignVCenter,
                          small.elidedText(ports, Qt::ElideRight, box.width()));
    }
    painter->restore();
}

}  // namespace ContainerRow
