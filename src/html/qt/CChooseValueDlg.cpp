#include "html/qt/CChooseValueDlg.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

CChooseValueDlg::CChooseValueDlg(const std::vector<std::string>& values, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Choose Predefined Value"));
    for (const std::string& value : values) {
        list_->addItem(QString::fromStdString(value));
    }
    list_->sortItems();
    connect(list_, &QListWidget::itemDoubleClicked, this, &CChooseValueDlg::accept);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CChooseValueDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

void CChooseValueDlg::accept() {
    const QListWidgetItem* item = list_->currentItem();
    if (item == nullptr || !item->isSelected()) {
        return;
    }
    result_ = item->text().toStdString();
    QDialog::accept();
}
