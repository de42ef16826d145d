#include "app/qt/RecoveryKeeper.h"

#include "app/qt/CChildWin.h"
#include "editor/qt/CMyEditBox.h"
#include "io/AtomicWrite.h"
#include "io/FileReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

constexpr const char* kLockName = "lock";

int intervalFromEnvironment() {
    bool ok = false;
    const int interval = qEnvironmentVariableIntValue(RecoveryKeeper::IntervalVariable, &ok);
    return ok && interval > 0 ? interval : RecoveryKeeper::DefaultInterval;
}

// The lock of another program's folder, stale once that program is gone.
bool isAbandoned(const QString& folder) {
    QLockFile lock(folder + QLatin1Char('/') + QLatin1String(kLockName));
    lock.setStaleLockTime(0); // only a gone process makes it stale, never age
    if (!lock.tryLock(0)) {
        return false;
    }
    lock.unlock();
    return true;
}

} // namespace

// One folder per keeper: the process id, and a count for the rare process
// that runs more than one application object (tests do).
QString RecoveryKeeper::ownFolderName() {
    static int made = 0;
    return QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(++made);
}

RecoveryKeeper::RecoveryKeeper(const QString& root, QObject* parent)
    : QObject(parent), root_(root), folder_(root + QLatin1Char('/') + ownFolderName()) {
    QDir().mkpath(folder_);
    lock_ = std::make_unique<QLockFile>(folder_ + QLatin1Char('/') + QLatin1String(kLockName));
    lock_->setStaleLockTime(0);
    lock_->tryLock(0);
    timer_.setInterval(intervalFromEnvironment());
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::writeModified);
    timer_.start();
}

// A normal end: nothing needs recovering.
RecoveryKeeper::~RecoveryKeeper() {
    lock_->unlock();
    QDir(folder_).removeRecursively();
}

void RecoveryKeeper::watch(CChildWin* document) {
    watched_[document] = {nextId_++, true, false};
    connect(&document->editor(), &CMyEditBox::changed, this, [this, document] {
        const auto found = watched_.find(document);
        if (found == watched_.end()) {
            return;
        }
        found->second.changed = true;
        // A save ends the need at once, not at the next write.
        if (found->second.written && !document->editor().model().isModified()) {
            removeFile(found->second);
        }
    });
    connect(document, &QObject::destroyed, this, &RecoveryKeeper::forget);
}

void RecoveryKeeper::forget(QObject* document) {
    const auto found =
        std::find_if(watched_.begin(), watched_.end(),
                     [document](const auto& entry) { return entry.first == document; });
    if (found != watched_.end()) {
        removeFile(found->second);
        watched_.erase(found);
    }
}

QString RecoveryKeeper::fileOf(int id) const {
    return folder_ + QLatin1Char('/') + QString::number(id) +
           QLatin1String(RecoveryFile::Extension);
}

void RecoveryKeeper::writeModified() {
    for (auto& [document, watched] : watched_) {
        if (!document->editor().model().isModified()) {
            removeFile(watched);
        } else if (watched.changed) {
            writeOne(document, watched);
        }
    }
}

void RecoveryKeeper::writeOne(CChildWin* document, Watched& watched) {
    const RecoveryFile file{document->path(), document->editor().model().text()};
    // A failed write is tried again at the next interval.
    watched.written = WriteFileAtomically(fileOf(watched.id).toStdString(), file.compose(),
                                          FileMode::Forced, 0600) == AtomicWriteResult::Ok;
    watched.changed = !watched.written;
}

void RecoveryKeeper::removeFile(Watched& watched) {
    if (watched.written) {
        QFile::remove(fileOf(watched.id));
        watched.written = false;
    }
    watched.changed = true;
}

QStringList RecoveryKeeper::abandonedFolders() const {
    QStringList folders;
    const QDir root(root_);
    for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString folder = root.filePath(name);
        if (folder != folder_ && isAbandoned(folder)) {
            folders << folder;
        }
    }
    return folders;
}

std::vector<RecoveryFile> RecoveryKeeper::leftovers() const {
    std::vector<RecoveryFile> found;
    const QStringList pattern{QStringLiteral("*") + QLatin1String(RecoveryFile::Extension)};
    for (const QString& folder : abandonedFolders()) {
        for (const QFileInfo& info :
             QDir(folder).entryInfoList(pattern, QDir::Files, QDir::Time | QDir::Reversed)) {
            const FileReader::Contents contents =
                FileReader::read(info.filePath().toStdString(), FileReader::kDataFileLimit);
            if (!contents.ok()) {
                continue;
            }
            if (std::optional<RecoveryFile> file = RecoveryFile::parse(contents.bytes)) {
                found.push_back(std::move(*file));
            }
        }
    }
    return found;
}

void RecoveryKeeper::discardLeftovers() {
    for (const QString& folder : abandonedFolders()) {
        QDir(folder).removeRecursively();
    }
}
