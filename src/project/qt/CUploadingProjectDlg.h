#pragma once

#include "project/FtpConnection.h"
#include "project/UploadEvent.h"
#include "project/UploadJob.h"

#include <QDialog>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class QLabel;
class QProgressBar;
class QPushButton;

// "Uploading Project": runs one upload on a worker thread of its own, with
// its own copy of what it sends, and shows each step as the worker reports
// it. Cancel stops the upload (the file on its way is not finished); the
// dialog stays until the worker has ended, then Cancel reads "Close".
class CUploadingProjectDlg : public QDialog {
    Q_OBJECT

public:
    // Makes the session's connection; it must stop when cancel turns true.
    using ConnectionFactory =
        std::function<std::unique_ptr<FtpConnection>(const std::atomic<bool>& cancel)>;

    // The default connection trusts the system's certificates and SSH hosts.
    static ConnectionFactory systemConnection();

    CUploadingProjectDlg(UploadJob job, ConnectionFactory connection, QWidget* parent = nullptr);
    ~CUploadingProjectDlg() override;

    bool finished() const { return finished_; }
    QProgressBar* progressBar() const { return progress_; }
    QLabel* nowUploadingLabel() const { return nowUploading_; }
    QLabel* fileCountLabel() const { return fileCount_; }
    QLabel* statusLabel() const { return status_; }
    QLabel* detailLabel() const { return detail_; }
    QLabel* noteLabel() const { return note_; }
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    void reject() override;

signals:
    void uploadFinished();

private:
    void apply(const UploadEvent& event);
    void cancelOrClose();

    QProgressBar* progress_;
    QLabel* nowUploading_;
    QLabel* fileCount_;
    QLabel* status_;
    QLabel* detail_;
    QLabel* note_;
    QPushButton* cancel_;
    std::atomic<bool> cancelRequested_ = false;
    bool finished_ = false;
    std::thread worker_;
};
