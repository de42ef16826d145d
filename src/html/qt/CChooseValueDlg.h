#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;

// "Choose Predefined Value": one of the values the vocabulary lists for an
// argument, sorted. OK or a double click takes the selected one; without a
// selection the dialog stays open.
class CChooseValueDlg : public QDialog {
    Q_OBJECT

public:
    explicit CChooseValueDlg(const std::vector<std::string>& values, QWidget* parent = nullptr);

    std::string result() const { return result_; }
    QListWidget* list() const { return list_; }

    void accept() override;

private:
    QListWidget* list_;
    std::string result_;
};
