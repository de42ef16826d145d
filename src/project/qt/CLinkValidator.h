#pragma once

#include "app/LinkScan.h"

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

class CMyEditBox;
class CTagData;
class ILinkDocuments;
class IPlatformServices;
class LinkList;
class LinkListModel;
class LinkScanWorker;
class QCheckBox;
class QListView;
class QProgressBar;
class QPushButton;
class QStringListModel;
struct CLink;

// "Validate Links": every link target of the scanned files in one list, the
// places that refer to the selected one in the other, and Edit Link, which
// re-points a target at all its places at once. The scan runs on a worker;
// the lists fill when it is done. The references are marked in the open
// documents, and in every document opened while the dialog exists.
class CLinkValidator : public QDialog {
    Q_OBJECT

public:
    // files are relative to base; messages about the scan go to owner.
    CLinkValidator(const CTagData& tagData, std::vector<std::string> files, std::string base,
                   ILinkDocuments& documents, IPlatformServices& services, QWidget* owner);
    ~CLinkValidator() override;

    void start();
    bool isScanning() const;
    const std::string& base() const { return base_; }
    // Null until the scan is over.
    const std::shared_ptr<LinkList>& links() const { return links_; }

    // Marks the references in the document at path.
    void MarkAllLinks(CMyEditBox& editor, const std::string& path);

    // Asks for the new target of the selected link and rewrites each of its
    // references; nothing without a selected link.
    void editLink();
    // Rewrites every reference of the link at index to newPath.
    void changeLink(std::size_t index, const std::string& newPath);

    QListView* linksView() const { return linksView_; }
    QListView* referencesView() const { return referencesView_; }
    QPushButton* editButton() const { return edit_; }
    QCheckBox* onlyMissingBox() const { return onlyMissing_; }
    QProgressBar* progressBar() const { return progress_; }

signals:
    void scanFinished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void finishScan(std::shared_ptr<LinkList> links, std::vector<bool> missing,
                    const LinkScanResult& result);
    void markOpenDocuments();
    int selectedLink() const;
    void showReferences();
    void openLink();
    void openReference(int row);
    // Rewrites one reference; "" when it was, else why it was left alone.
    std::string rewriteReference(CLink& link, std::size_t refIndex, const std::string& newPath);

    const CTagData& tagData_;
    std::vector<std::string> files_;
    std::string base_;
    ILinkDocuments& documents_;
    IPlatformServices& services_;
    QWidget* owner_;
    std::unique_ptr<LinkScanWorker> worker_;
    std::shared_ptr<LinkList> links_;
    LinkListModel* linkModel_;
    QStringListModel* referenceModel_;
    QListView* linksView_;
    QListView* referencesView_;
    QPushButton* edit_;
    QCheckBox* onlyMissing_;
    QProgressBar* progress_;
};
