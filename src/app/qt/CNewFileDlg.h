#pragma once

#include <QDialog>
#include <QString>

class IPlatformServices;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

// What the New File dialog was closed with.
struct NewFileChoice {
    bool fromTemplate = true;
    QString templateName;
    bool addToProject = false;
    QString fileName; // relative to the project directory
    bool useAsDefault = false;
};

// "New File": from scratch or from a template, optionally added to the
// current project under a name relative to its directory.
class CNewFileDlg : public QDialog {
    Q_OBJECT

public:
    CNewFileDlg(const QString& templateDir, const QString& defaultTemplate, bool projectOpen,
                IPlatformServices& services, QWidget* parent = nullptr);

    NewFileChoice choice() const;

    QRadioButton* fromScratchButton() const { return fromScratch_; }
    QComboBox* templateList() const { return templates_; }
    QCheckBox* addToProjectBox() const { return addToProject_; }
    QLineEdit* fileNameEdit() const { return fileName_; }

public slots:
    void accept() override;

private:
    void fillTemplates(const QString& templateDir, const QString& defaultTemplate);

    IPlatformServices& services_;
    QRadioButton* fromScratch_;
    QRadioButton* fromTemplate_;
    QComboBox* templates_;
    QCheckBox* addToProject_;
    QLineEdit* fileName_;
    QCheckBox* useAsDefault_;
};
