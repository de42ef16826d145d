#include "project/qt/LinkScanWorker.h"

#include "app/LinkList.h"
#include "app/LocalTarget.h"

LinkScanWorker::LinkScanWorker(const CTagData& tagData, std::vector<std::string> files,
                               std::string base, QObject* parent)
    : QObject(parent), tagData_(tagData), files_(std::move(files)), base_(std::move(base)) {}

LinkScanWorker::~LinkScanWorker() {
    stopRequested_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
}

void LinkScanWorker::start() {
    if (running_ || thread_.joinable()) {
        return;
    }
    running_ = true;
    thread_ = std::thread([this] { run(); });
}

void LinkScanWorker::run() {
    auto links = std::make_shared<LinkList>();
    const LinkScanResult result =
        ScanLinks(tagData_, files_, base_, *links, [this](std::size_t index) {
            QMetaObject::invokeMethod(
                this, [this, index] { emit progress(static_cast<int>(index)); },
                Qt::QueuedConnection);
            return !stopRequested_;
        });
    std::vector<bool> missing;
    missing.reserve(links->size());
    for (const CLink& link : links->links()) {
        if (stopRequested_) {
            break;
        }
        missing.push_back(LocalTarget::IsMissing(link.text, base_));
    }
    QMetaObject::invokeMethod(
        this,
        [this, links, missing = std::move(missing), result] {
            if (thread_.joinable()) {
                thread_.join();
            }
            running_ = false;
            emit finished(links, missing, result);
        },
        Qt::QueuedConnection);
}
