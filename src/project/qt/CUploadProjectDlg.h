#pragma once

#include <QDialog>

struct CProject;
class QListWidget;
class QPushButton;

// "Upload Project": the user sorts the project's files into the ones to
// upload and the rest. With "Autodetect updates" on, the files changed since
// their last upload start on the upload side. "Upload" sets the project's
// Upload flags from the list; "Cancel" changes nothing.
class CUploadProjectDlg : public QDialog {
    Q_OBJECT

public:
    explicit CUploadProjectDlg(CProject& project, QWidget* parent = nullptr);

    QListWidget* projectList() const { return inProject_; }
    QListWidget* uploadList() const { return toUpload_; }
    QPushButton* toUploadButton() const { return toUploadButton_; }
    QPushButton* backButton() const { return backButton_; }
    QPushButton* selectAllProjectButton() const { return selectAllProject_; }
    QPushButton* selectAllUploadButton() const { return selectAllUpload_; }
    QPushButton* uploadButton() const { return upload_; }
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    void accept() override;

private:
    void fill();
    static void moveSelected(QListWidget* from, QListWidget* to);

    CProject& project_;
    QListWidget* inProject_;
    QListWidget* toUpload_;
    QPushButton* toUploadButton_;
    QPushButton* backButton_;
    QPushButton* selectAllProject_;
    QPushButton* selectAllUpload_;
    QPushButton* upload_;
    QPushButton* cancel_;
};
