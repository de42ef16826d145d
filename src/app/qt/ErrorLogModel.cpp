#include "app/qt/ErrorLogModel.h"

#include "app/ErrorLogLines.h"

ErrorLogModel::ErrorLogModel(std::shared_ptr<ErrorLogLines> lines, QObject* parent)
    : QAbstractListModel(parent), lines_(std::move(lines)) {}

void ErrorLogModel::append(const std::vector<CErrorLine>& lines) {
    if (lines.empty()) {
        return;
    }
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(lines.size()) - 1);
    for (const CErrorLine& line : lines) {
        lines_->append(line);
    }
    endInsertRows();
}

int ErrorLogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_->size());
}

QVariant ErrorLogModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    // Messages hold the document's bytes (tag names as typed); show them as
    // UTF-8, as the editor does.
    return QString::fromStdString(lines_->at(static_cast<std::size_t>(index.row())).message());
}
