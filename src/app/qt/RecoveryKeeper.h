#pragma once

#include "app/RecoveryFile.h"

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <map>
#include <memory>
#include <vector>

class CChildWin;

// Keeps the unsaved text of every modified document on disk, so that a crash
// or a kill loses at most one interval of typing. Each running program
// writes into a folder of its own under root, locked while it runs; a
// folder whose lock is no longer held was left by a program that did not
// end normally, and its texts are offered back at the next start. A file
// goes away when its document is saved or closed, and the folder when the
// program ends normally.
class RecoveryKeeper : public QObject {
    Q_OBJECT

public:
    static constexpr int DefaultInterval = 30000; // milliseconds
    // Tests shorten the interval through this variable (milliseconds).
    static constexpr const char* IntervalVariable = "TAGWRIGHT_RECOVERY_INTERVAL_MS";

    explicit RecoveryKeeper(const QString& root, QObject* parent = nullptr);
    ~RecoveryKeeper() override;

    // Writes document's text while it is modified, from now on.
    void watch(CChildWin* document);
    // Writes every modified document that changed since its last write, and
    // removes the files of documents that are no longer modified.
    void writeModified();

    // The texts that programs which did not end normally left behind.
    std::vector<RecoveryFile> leftovers() const;
    // Removes those texts, once they have been offered.
    void discardLeftovers();

    QString folder() const { return folder_; }
    int interval() const { return timer_.interval(); }

private:
    struct Watched {
        int id = 0;
        bool changed = true;
        bool written = false;
    };

    static QString ownFolderName();
    QStringList abandonedFolders() const;
    QString fileOf(int id) const;
    void writeOne(CChildWin* document, Watched& watched);
    void removeFile(Watched& watched);
    void forget(QObject* document);

    QString root_;
    QString folder_;
    std::unique_ptr<QLockFile> lock_;
    std::map<CChildWin*, Watched> watched_;
    int nextId_ = 1;
    QTimer timer_;
};
