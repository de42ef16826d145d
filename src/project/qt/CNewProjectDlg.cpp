#include "project/qt/CNewProjectDlg.h"

#include "app/qt/IPlatformServices.h"
#include "project/CProject.h"
#include "project/ProjectFile.h"
#include "project/qt/CAddFilesDlg.h"
#include "project/qt/CProjectSettingsDlg.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CNewProjectDlg::CNewProjectDlg(CProject& project, IPlatformServices& services,
                               std::function<bool()> save, QWidget* parent)
    : QDialog(parent), project_(project), services_(services), save_(std::move(save)),
      name_(new QLineEdit(this)), path_(new QLineEdit(this)),
      browse_(new QPushButton(QStringLiteral("..."), this)),
      addFiles_(new QPushButton(QStringLiteral("Add files"), this)),
      settings_(new QPushButton(QStringLiteral("Settings"), this)) {
    setWindowTitle(QStringLiteral("New Project"));
    path_->setMinimumWidth(300);
    for (QPushButton* button : {browse_, addFiles_, settings_}) {
        button->setAutoDefault(false);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Project name:"), this), 0, 0, 1, 2);
    layout->addWidget(name_, 1, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Project path: (Full path + filename)"), this), 2,
                      0, 1, 2);
    layout->addWidget(path_, 3, 0);
    layout->addWidget(browse_, 3, 1);
    layout->addWidget(addFiles_, 4, 0, Qt::AlignLeft);
    layout->addWidget(settings_, 4, 1);
    layout->addWidget(buttons, 5, 0, 1, 2);

    connect(browse_, &QPushButton::clicked, this, &CNewProjectDlg::browse);
    connect(addFiles_, &QPushButton::clicked, this, &CNewProjectDlg::editFiles);
    connect(settings_, &QPushButton::clicked, this, &CNewProjectDlg::editSettings);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNewProjectDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CNewProjectDlg::browse() {
    const QString chosen = services_.saveFileName(
        this, QStringLiteral("Project Files (*.prj);;All Files (*)"), QString());
    if (!chosen.isEmpty()) {
        path_->setText(QDir::toNativeSeparators(chosen));
    }
}

// The project has no path yet, so the dialogs' own saves do nothing; OK
// saves it once it has one.
void CNewProjectDlg::saveIfItHasAPath() {
    if (!project_.Path.empty()) {
        save_();
    }
}

void CNewProjectDlg::editFiles() {
    CAddFilesDlg(
        project_, services_, [this] { saveIfItHasAPath(); }, this)
        .exec();
}

void CNewProjectDlg::editSettings() {
    project_.Name = name_->text().toStdString();
    CProjectSettingsDlg(
        project_, [this] { saveIfItHasAPath(); }, this)
        .exec();
    name_->setText(QString::fromStdString(project_.Name));
}

void CNewProjectDlg::accept() {
    if (name_->text().isEmpty()) {
        services_.message(this, QStringLiteral("You must specify a name"));
        return;
    }
    project_.Name = name_->text().toStdString();
    if (path_->text().isEmpty()) {
        services_.message(this, QStringLiteral("You must specify a path"));
        return;
    }
    // A relative name would move with the current folder. A path that could
    // not be written is not kept: the dialog stays as it was before OK, and
    // a path typed next is the one used.
    project_.Path = FullProjectPath(path_->text().toStdString());
    if (save_ && !save_()) {
        project_.Path.clear();
        return;
    }
    QDialog::accept();
}
