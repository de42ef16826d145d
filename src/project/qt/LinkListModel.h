#pragma once

#include <QAbstractListModel>
#include <memory>
#include <vector>

class LinkList;

// The "Links:" list: one row per link target in list order, a target whose
// local file is missing in red with the tool tip "File not found". With
// onlyMissing set, only those rows show. The view draws only the rows in
// sight, so a site of a hundred thousand targets stays quick.
class LinkListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void setLinks(std::shared_ptr<const LinkList> links, std::vector<bool> missing);
    void setOnlyMissing(bool onlyMissing);

    // The index into the link list of a row; -1 for no such row.
    int linkAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void rebuildRows();
    bool isMissing(std::size_t link) const { return link < missing_.size() && missing_[link]; }

    std::shared_ptr<const LinkList> links_;
    std::vector<bool> missing_;
    std::vector<int> rows_;
    bool onlyMissing_ = false;
};
