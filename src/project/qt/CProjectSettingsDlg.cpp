#include "project/qt/CProjectSettingsDlg.h"

#include "project/CProject.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QLineEdit* editWith(const std::string& value, QWidget* parent) {
    auto* edit = new QLineEdit(QString::fromStdString(value), parent);
    edit->setMinimumWidth(260);
    return edit;
}

} // namespace

CProjectSettingsDlg::CProjectSettingsDlg(CProject& project, std::function<void()> save,
                                         QWidget* parent)
    : QDialog(parent), project_(project), save_(std::move(save)),
      name_(editWith(project.Name, this)), ftpServer_(editWith(project.FtpServer, this)),
      serverPath_(editWith(project.ServerPath, this)), login_(editWith(project.Login, this)),
      password_(editWith(project.Password, this)),
      savePassword_(new QCheckBox(QStringLiteral("Save Password"), this)),
      autoUpdate_(new QCheckBox(QStringLiteral("Autodetect updates"), this)) {
    setWindowTitle(QStringLiteral("Project Settings"));
    password_->setEchoMode(QLineEdit::Password);
    ftpServer_->setToolTip(QStringLiteral(
        "A host name, optionally followed by :port, uploads by plain FTP, which sends the "
        "password unencrypted.\n"
        "ftps://host uploads by FTP over TLS and refuses a server without it.\n"
        "sftp://host uploads over SSH.\n"
        "The server's certificate, or its SSH host key, must be trusted by this system "
        "(SSH: ~/.ssh/known_hosts); otherwise the upload ends with \"Failed to connect\"."));
    savePassword_->setChecked(project.SavePassword);
    autoUpdate_->setChecked(project.AutoUpdate);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Project name:"), name_);
    form->addRow(QStringLiteral("FTP Server:"), ftpServer_);
    form->addRow(QStringLiteral("Server path: (Relative to start directory)"), serverPath_);
    form->addRow(QStringLiteral("Login:"), login_);
    form->addRow(QStringLiteral("Password:"), password_);
    form->addRow(QString(), savePassword_);
    form->addRow(QString(), autoUpdate_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CProjectSettingsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void CProjectSettingsDlg::accept() {
    project_.Name = name_->text().toStdString();
    project_.FtpServer = ftpServer_->text().toStdString();
    project_.ServerPath = serverPath_->text().toStdString();
    project_.Login = login_->text().toStdString();
    project_.Password = password_->text().toStdString();
    project_.SavePassword = savePassword_->isChecked();
    project_.AutoUpdate = autoUpdate_->isChecked();
    if (save_) {
        save_();
    }
    QDialog::accept();
}
