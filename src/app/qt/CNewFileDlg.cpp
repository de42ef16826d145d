#include "app/qt/CNewFileDlg.h"

#include "app/qt/IPlatformServices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

CNewFileDlg::CNewFileDlg(const QString& templateDir, const QString& defaultTemplate,
                         bool projectOpen, IPlatformServices& services, QWidget* parent)
    : QDialog(parent), services_(services),
      fromScratch_(new QRadioButton(QStringLiteral("From &Scratch"), this)),
      fromTemplate_(new QRadioButton(QStringLiteral("From &Template"), this)),
      templates_(new QComboBox(this)),
      addToProject_(new QCheckBox(QStringLiteral("&Add to project"), this)),
      fileName_(new QLineEdit(this)),
      useAsDefault_(new QCheckBox(QStringLiteral("&Use as default"), this)) {
    setWindowTitle(QStringLiteral("New File"));
    fromTemplate_->setChecked(true);
    fillTemplates(templateDir, defaultTemplate);
    addToProject_->setChecked(projectOpen);
    addToProject_->setEnabled(projectOpen);
    fileName_->setEnabled(projectOpen);
    connect(addToProject_, &QCheckBox::toggled, fileName_, &QLineEdit::setEnabled);

    auto* group = new QGroupBox(QStringLiteral("Create new file:"), this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(fromScratch_);
    groupLayout->addWidget(fromTemplate_);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Template file:"), templates_);
    form->addRow(QString(), useAsDefault_);
    form->addRow(QString(), addToProject_);
    form->addRow(QStringLiteral("Filename: (Relative to Project directory)"), fileName_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNewFileDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void CNewFileDlg::fillTemplates(const QString& templateDir, const QString& defaultTemplate) {
    // No template folder is no templates; QDir would take "" for the
    // current directory.
    if (templateDir.isEmpty()) {
        return;
    }
    const QStringList files = QDir(templateDir).entryList(QDir::Files, QDir::Name);
    templates_->addItems(files);
    for (int i = 0; i < files.size(); ++i) {
        if (files[i].startsWith(defaultTemplate, Qt::CaseInsensitive)) {
            templates_->setCurrentIndex(i);
            break;
        }
    }
}

NewFileChoice CNewFileDlg::choice() const {
    return {fromTemplate_->isChecked(), templates_->currentText(), addToProject_->isChecked(),
            fileName_->text(), useAsDefault_->isChecked()};
}

void CNewFileDlg::accept() {
    if (addToProject_->isChecked() && fileName_->text().isEmpty()) {
        services_.message(this,
                          QStringLiteral("You must specify a filename if you want to add it to the "
                                         "current project"),
                          QStringLiteral("Filename?"));
        return;
    }
    QDialog::accept();
}
