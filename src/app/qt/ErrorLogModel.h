#pragma once

#include <QAbstractListModel>
#include <memory>
#include <vector>

class ErrorLogLines;
struct CErrorLine;

// The lines of an Error Log as a list view shows them: one row per line, in
// the order added. The view draws only the rows in sight, so a log of a
// hundred thousand lines stays quick.
class ErrorLogModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit ErrorLogModel(std::shared_ptr<ErrorLogLines> lines, QObject* parent = nullptr);

    void append(const std::vector<CErrorLine>& lines);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::shared_ptr<ErrorLogLines> lines_;
};
