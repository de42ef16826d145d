#include "project/qt/LinkListModel.h"

#include "app/LinkList.h"

#include <QColor>

void LinkListModel::setLinks(std::shared_ptr<const LinkList> links, std::vector<bool> missing) {
    beginResetModel();
    links_ = std::move(links);
    missing_ = std::move(missing);
    rebuildRows();
    endResetModel();
}

void LinkListModel::setOnlyMissing(bool onlyMissing) {
    if (onlyMissing == onlyMissing_) {
        return;
    }
    beginResetModel();
    onlyMissing_ = onlyMissing;
    rebuildRows();
    endResetModel();
}

void LinkListModel::rebuildRows() {
    rows_.clear();
    const std::size_t count = links_ ? links_->size() : 0;
    for (std::size_t link = 0; link < count; ++link) {
        if (!onlyMissing_ || isMissing(link)) {
            rows_.push_back(static_cast<int>(link));
        }
    }
}

int LinkListModel::linkAt(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(row)]
                                                            : -1;
}

int LinkListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant LinkListModel::data(const QModelIndex& index, int role) const {
    const int link = linkAt(index.row());
    if (link < 0) {
        return {};
    }
    const auto position = static_cast<std::size_t>(link);
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(links_->links()[position].text);
    case Qt::ForegroundRole:
        return isMissing(position) ? QVariant(QColor(Qt::red)) : QVariant();
    case Qt::ToolTipRole:
        return isMissing(position) ? QVariant(QStringLiteral("File not found")) : QVariant();
    default:
        return {};
    }
}
