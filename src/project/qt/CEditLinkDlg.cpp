#include "project/qt/CEditLinkDlg.h"

#include "app/qt/IPlatformServices.h"
#include "project/PathUtils.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CEditLinkDlg::CEditLinkDlg(const std::string& path, const std::string& base,
                           IPlatformServices& services, QWidget* parent)
    : QDialog(parent), base_(base), services_(services),
      pathEdit_(new QLineEdit(QString::fromStdString(path), this)),
      browse_(new QPushButton(QStringLiteral("..."), this)),
      change_(new QPushButton(QStringLiteral("Change"), this)) {
    setWindowTitle(QStringLiteral("Edit Link"));
    pathEdit_->setObjectName(QStringLiteral("Path"));
    auto* baseEdit = new QLineEdit(QString::fromStdString(base), this);
    baseEdit->setEnabled(false);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    change_->setDefault(true);
    browse_->setAutoDefault(false);
    cancel->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Path:"), this), 0, 0);
    layout->addWidget(pathEdit_, 0, 1);
    layout->addWidget(browse_, 0, 2);
    layout->addWidget(new QLabel(QStringLiteral("Relative To:"), this), 1, 0);
    layout->addWidget(baseEdit, 1, 1, 1, 2);
    layout->addWidget(change_, 0, 3);
    layout->addWidget(cancel, 1, 3);
    layout->setColumnStretch(1, 1);
    resize(520, height());

    connect(browse_, &QPushButton::clicked, this, &CEditLinkDlg::browse);
    connect(change_, &QPushButton::clicked, this, &CEditLinkDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CEditLinkDlg::reject);
}

std::string CEditLinkDlg::path() const {
    return pathEdit_->text().toStdString();
}

// A save-type dialog, so that a file that does not exist yet can be chosen.
void CEditLinkDlg::browse() {
    const QString chosen = services_.saveFileName(this, QString(), QString());
    if (!chosen.isEmpty()) {
        pathEdit_->setText(QString::fromStdString(RelativePath(chosen.toStdString(), base_)));
    }
}
