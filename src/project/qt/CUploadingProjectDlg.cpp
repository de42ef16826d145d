#include "project/qt/CUploadingProjectDlg.h"

#include "project/CurlFtpConnection.h"
#include "project/UploadRun.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* textLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setMinimumWidth(320);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

CUploadingProjectDlg::ConnectionFactory CUploadingProjectDlg::systemConnection() {
    return [](const std::atomic<bool>& cancel) -> std::unique_ptr<FtpConnection> {
        auto connection = std::make_unique<CurlFtpConnection>();
        connection->setCancelFlag(&cancel);
        return connection;
    };
}

CUploadingProjectDlg::CUploadingProjectDlg(UploadJob job, ConnectionFactory connection,
                                           QWidget* parent)
    : QDialog(parent), progress_(new QProgressBar(this)), nowUploading_(textLabel(this)),
      fileCount_(textLabel(this)), status_(textLabel(this)), detail_(textLabel(this)),
      note_(textLabel(this)), cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setWindowTitle(QStringLiteral("Uploading Project"));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    detail_->setWordWrap(true);
    note_->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(progress_);
    // The worker's texts say what they are ("Uploading ...", "File 1 of 3").
    nowUploading_->setText(QStringLiteral("Now uploading:"));
    form->addRow(QString(), nowUploading_);
    form->addRow(QString(), fileCount_);
    form->addRow(QStringLiteral("Status:"), status_);
    form->addRow(QString(), detail_);
    form->addRow(QString(), note_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    connect(cancel_, &QPushButton::clicked, this, &CUploadingProjectDlg::cancelOrClose);

    // The worker never touches a widget: every event is queued to this
    // dialog, which outlives the worker (the destructor waits for it).
    worker_ = std::thread([this, job = std::move(job), connection = std::move(connection)] {
        const std::unique_ptr<FtpConnection> session = connection(cancelRequested_);
        UploadRun run(
            job, *session,
            [this](const UploadEvent& event) {
                QMetaObject::invokeMethod(
                    this, [this, event] { apply(event); }, Qt::QueuedConnection);
            },
            cancelRequested_);
        run.run();
    });
}

CUploadingProjectDlg::~CUploadingProjectDlg() {
    cancelRequested_ = true;
    if (worker_.joinable()) {
        worker_.join();
    }
}

void CUploadingProjectDlg::apply(const UploadEvent& event) {
    const QString text = QString::fromStdString(event.text);
    switch (event.field) {
    case UploadEvent::Field::Status:
        status_->setText(text);
        detail_->setText(QString::fromStdString(event.detail));
        return;
    case UploadEvent::Field::NowUploading:
        nowUploading_->setText(text);
        return;
    case UploadEvent::Field::FileCount:
        fileCount_->setText(text);
        return;
    case UploadEvent::Field::Progress:
        progress_->setValue(event.percent);
        return;
    case UploadEvent::Field::Note:
        note_->setText(text);
        return;
    case UploadEvent::Field::Finished:
        finished_ = true;
        cancel_->setText(QStringLiteral("Close"));
        cancel_->setEnabled(true);
        cancel_->setFocus();
        emit uploadFinished();
        return;
    }
}

// While the worker runs, Cancel (or Escape, or the window's close button)
// stops it; once it has ended, the same button closes the dialog.
void CUploadingProjectDlg::cancelOrClose() {
    if (finished_) {
        QDialog::reject();
        return;
    }
    cancelRequested_ = true;
    cancel_->setEnabled(false);
}

void CUploadingProjectDlg::reject() {
    cancelOrClose();
}
