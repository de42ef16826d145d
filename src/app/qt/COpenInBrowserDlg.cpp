#include "app/qt/COpenInBrowserDlg.h"

#include "app/CEditorSettings.h"
#include "app/qt/IPlatformServices.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

COpenInBrowserDlg::COpenInBrowserDlg(int browser, const QString& otherBrowser,
                                     IPlatformServices& services, QWidget* parent)
    : QDialog(parent), services_(services),
      netscape_(new QRadioButton(QStringLiteral("Netscape"), this)),
      explorer_(new QRadioButton(QStringLiteral("Internet Explorer"), this)),
      otherChoice_(new QRadioButton(QStringLiteral("Other"), this)),
      other_(new QLineEdit(otherBrowser, this)),
      browse_(new QPushButton(QStringLiteral("..."), this)),
      launch_(new QPushButton(QStringLiteral("Launch"), this)),
      exit_(new QPushButton(QStringLiteral("Exit"), this)) {
    setWindowTitle(QStringLiteral("Open In Browser"));
    if (QRadioButton* checked = radio(browser)) {
        checked->setChecked(true);
    }
    other_->setMinimumWidth(260);
    launch_->setDefault(true);
    browse_->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Select Browser:"), this), 0, 0, 1, 2);
    layout->addWidget(netscape_, 1, 0, 1, 2);
    layout->addWidget(explorer_, 2, 0, 1, 2);
    layout->addWidget(otherChoice_, 3, 0, 1, 2);
    layout->addWidget(other_, 4, 0);
    layout->addWidget(browse_, 4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(launch_);
    buttons->addWidget(exit_);
    layout->addLayout(buttons, 5, 0, 1, 2);

    connect(browse_, &QPushButton::clicked, this, &COpenInBrowserDlg::browse);
    connect(launch_, &QPushButton::clicked, this, &QDialog::accept);
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);
}

QRadioButton* COpenInBrowserDlg::radio(int browser) const {
    switch (browser) {
    case CEditorSettings::BrowserNetscape:
        return netscape_;
    case CEditorSettings::BrowserExplorer:
        return explorer_;
    case CEditorSettings::BrowserOther:
        return otherChoice_;
    default:
        return nullptr;
    }
}

int COpenInBrowserDlg::browser() const {
    if (netscape_->isChecked()) {
        return CEditorSettings::BrowserNetscape;
    }
    return explorer_->isChecked() ? CEditorSettings::BrowserExplorer
                                  : CEditorSettings::BrowserOther;
}

QString COpenInBrowserDlg::otherBrowser() const {
    return other_->text().left(static_cast<int>(CEditorSettings::kMaxPathText));
}

// Choosing a program means choosing "Other" as well.
void COpenInBrowserDlg::browse() {
    const QString chosen = services_.openFileName(this, QStringLiteral("Programs (*)"));
    if (!chosen.isEmpty()) {
        other_->setText(chosen);
        otherChoice_->setChecked(true);
    }
}
