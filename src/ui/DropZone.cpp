#include "ui/DropZone.h"

#include <QDragEnterEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "l10n/ByteFormatting.h"
#include "l10n/L10n.h"
#include "model/AppModel.h"
#include "ui/FileChoosers.h"
#include "ui/ModelBinding.h"
#include "ui/Style.h"

namespace {

// The first dragged item, when it is a local file; file managers offer text/uri-list.
std::optional<QString> firstFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) return std::nullopt;
    const QList<QUrl> urls = data->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return std::nullopt;
    const QString path = urls.first().toLocalFile();
    if (path.isEmpty()) return std::nullopt;
    return QFileInfo(path).absoluteFilePath();
}

}  // namespace

DropZone::DropZone(AppModel& model, SettingsStore& settings, QWidget* parent)
    : QWidget(parent), model_(model), settings_(settings) {
    setObjectName(QStringLiteral("dropZone"));
    setAcceptDrops(true);

    invitation_ = new QLabel(this);
    invitation_->setObjectName(QStringLiteral("dropInvitation"));
    Style::makeSecondary(invitation_, Style::body(), true);
    fileName_ = new QLabel(this);
    fileName_->setObjectName(QStringLiteral("dumpFileName"));
    QFont nameFont = Style::body();
    nameFont.setWeight(QFont::Medium);
    fileName_->setFont(nameFont);
    fileName_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fileName_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    preview_ = new QWidget(this);
    preview_->setObjectName(QStringLiteral("dumpPreview"));
    size_ = new QLabel(preview_);
    kind_ = new QLabel(preview_);
    dropWarning_ = new QLabel(preview_);
    auto* previewRow = new QHBoxLayout(preview_);
    previewRow->setContentsMargins(0, 0, 0, 0);
    previewRow->setSpacing(8);
    for (QLabel* label : {size_, kind_, dropWarning_}) {
        Style::makeSecondary(label, Style::caption(), false);
        previewRow->addWidget(label);
    }
    previewRow->addStretch();

    choose_ = new QPushButton(this);
    choose_->setObjectName(QStringLiteral("chooseFile"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(6);
    layout->addWidget(invitation_);
    layout->addWidget(fileName_);
    layout->addWidget(preview_);
    layout->addWidget(choose_, 0, Qt::AlignLeft);

    connect(choose_, &QPushButton::clicked, this, [this] {
        FileChoosers::chooseDumpFile(window(), settings_, model_.lastDumpFolder(),
                                     [this](const QString& file) { model_.setDump(file); });
    });
    onFields(model_, this, {AppModel::Field::dumpURL, AppModel::Field::dumpPreview, AppModel::Field::phase},
             [this] { render(); });
    onLanguageChange(settings_, this, [this] { retranslate(); });
    retranslate();
}

void DropZone::retranslate() {
    invitation_->setText(L10n::render(QStringLiteral("dropHere")));
    choose_->setText(L10n::render(QStringLiteral("chooseFile")));
    render();
}

QString DropZone::previewText() const {
    QStringList parts;
    for (const QLabel* label : {size_, kind_, dropWarning_}) {
        if (!label->isHidden()) parts << label->text();
    }
    return preview_->isHidden() ? QString() : parts.join(QLatin1Char(' '));
}

void DropZone::render() {
    const auto& dump = model_.dumpURL();
    invitation_->setVisible(!dump);
    fileName_->setVisible(dump.has_value());
    if (dump) {
        fileName_->setText(QFileInfo(*dump).fileName());
        fileName_->setToolTip(*dump);
    }
    const auto& preview = model_.dumpPreview();
    preview_->setVisible(dump && preview);
    if (preview) {
        size_->setText(ByteFormatting::bytes(preview->byteCount));
        kind_->setText(preview->compressed ? preview->compressionName : QStringLiteral("SQL"));
        dropWarning_->setText(L10n::render(QStringLiteral("containsDrop")));
        dropWarning_->setVisible(preview->containsDropTable);
    }
    choose_->setEnabled(!model_.phase().isRunning());
    update();
}

void DropZone::setDropTargeted(bool targeted) {
    if (targeted == dropTargeted_) return;
    dropTargeted_ = targeted;
    update();
}

void DropZone::dragEnterEvent(QDragEnterEvent* event) {
    if (!firstFile(event->mimeData())) return;
    event->acceptProposedAction();
    setDropTargeted(true);
}

void DropZone::dragMoveEvent(QDragMoveEvent* event) {
    if (firstFile(event->mimeData())) event->acceptProposedAction();
}

void DropZone::dragLeaveEvent(QDragLeaveEvent*) { setDropTargeted(false); }

void DropZone::dropEvent(QDropEvent* event) {
    setDropTargeted(false);
    const auto file = firstFile(event->mimeData());
    if (!file) return;
    event->acceptProposedAction();
    model_.setDump(*file);  // also while an import runs; the model decides
}

void DropZone::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor color = Style::secondary(this);
    color.setAlphaF(0.4);
    if (dropTargeted_) color = Style::accent(this);
    QPen pen(color, dropTargeted_ ? 2.0 : 1.0);
    if (!model_.dumpURL()) {
        pen.setDashPattern({6.0 / pen.widthF(), 6.0 / pen.widthF()});
    }
    painter.setPen(pen);
    const double inset = pen.widthF() / 2;
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), 10, 10);
    if (dropTargeted_) {
        QColor wash = Style::accent(this);
        wash.setAlphaF(0.08);
        painter.fillPath(shape, wash);
    }
    painter.drawPath(shape);
}
