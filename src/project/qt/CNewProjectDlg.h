#pragma once

#include <QDialog>
#include <functional>

struct CProject;
class IPlatformServices;
class QLineEdit;
class QPushButton;

// "New Project": a name and the full path of the project file; its files
// and settings can be edited before the project is first saved.
class CNewProjectDlg : public QDialog {
    Q_OBJECT

public:
    // save writes the project and says whether it worked; OK stays open
    // when it did not, so another path can be given.
    CNewProjectDlg(CProject& project, IPlatformServices& services, std::function<bool()> save,
                   QWidget* parent = nullptr);

    QLineEdit* nameEdit() const { return name_; }
    QLineEdit* pathEdit() const { return path_; }
    QPushButton* browseButton() const { return browse_; }
    QPushButton* addFilesButton() const { return addFiles_; }
    QPushButton* settingsButton() const { return settings_; }

public slots:
    void accept() override;

private:
    void browse();
    void editFiles();
    void editSettings();
    void saveIfItHasAPath();

    CProject& project_;
    IPlatformServices& services_;
    std::function<bool()> save_;
    QLineEdit* name_;
    QLineEdit* path_;
    QPushButton* browse_;
    QPushButton* addFiles_;
    QPushButton* settings_;
};
