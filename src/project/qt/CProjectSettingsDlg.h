#pragma once

#include <QDialog>
#include <functional>

struct CProject;
class QCheckBox;
class QLineEdit;

// "Project Settings": the project's name, its FTP server, server path, login
// and password, and its two switches. OK writes them back and saves.
class CProjectSettingsDlg : public QDialog {
    Q_OBJECT

public:
    // save is called after OK has written the fields back.
    CProjectSettingsDlg(CProject& project, std::function<void()> save, QWidget* parent = nullptr);

    QLineEdit* nameEdit() const { return name_; }
    QLineEdit* passwordEdit() const { return password_; }
    QCheckBox* savePasswordBox() const { return savePassword_; }

public slots:
    void accept() override;

private:
    CProject& project_;
    std::function<void()> save_;
    QLineEdit* name_;
    QLineEdit* ftpServer_;
    QLineEdit* serverPath_;
    QLineEdit* login_;
    QLineEdit* password_;
    QCheckBox* savePassword_;
    QCheckBox* autoUpdate_;
};
