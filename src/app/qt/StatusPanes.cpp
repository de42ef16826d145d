#include "app/qt/StatusPanes.h"

#include "editor/qt/CMyEditBox.h"
#include "editor/qt/CaretStatus.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>

StatusPanes::StatusPanes(QStatusBar* bar)
    : QObject(bar), position_(new QLabel(bar)), modified_(new QLabel(bar)) {
    position_->setObjectName(QStringLiteral("PositionPane"));
    modified_->setObjectName(QStringLiteral("ModifiedPane"));
    const QFontMetrics metrics(position_->font());
    // Wide enough for a large line and a selection, so that the bar does not
    // jump while the caret moves.
    position_->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("Ln 99999, Col 999")));
    modified_->setMinimumWidth(metrics.horizontalAdvance(QString::fromLatin1(ModifiedText)) + 8);
    bar->addPermanentWidget(position_);
    bar->addPermanentWidget(modified_);
    pending_.setSingleShot(true);
    pending_.setInterval(0);
    connect(&pending_, &QTimer::timeout, this, &StatusPanes::update);
}

void StatusPanes::follow(CMyEditBox* editor) {
    disconnect(changes_);
    editor_ = editor;
    if (editor != nullptr) {
        changes_ = connect(editor, &CMyEditBox::changed, &pending_, qOverload<>(&QTimer::start));
    }
    update();
}

void StatusPanes::update() {
    if (editor_ == nullptr) {
        position_->clear();
        modified_->clear();
        return;
    }
    const TextModel& model = editor_->model();
    const Selection selection = model.GetSelection();
    const CaretStatus status = CaretStatus::of(model.text(), selection.start, selection.caret);
    position_->setText(QString::fromStdString(status.describe()));
    modified_->setText(model.isModified() ? QString::fromLatin1(ModifiedText) : QString());
}

QString StatusPanes::positionText() const {
    return position_->text();
}

QString StatusPanes::modifiedText() const {
    return modified_->text();
}
