#include "project/qt/CLinkValidator.h"

#include "app/LinkList.h"
#include "app/LinkMarks.h"
#include "app/qt/IPlatformServices.h"
#include "editor/qt/CMyEditBox.h"
#include "project/qt/ILinkDocuments.h"
#include "project/qt/LinkListModel.h"
#include "project/qt/LinkScanWorker.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QStringListModel>

namespace {

QListView* newListView(const QString& name, QWidget* parent) {
    auto* view = new QListView(parent);
    view->setObjectName(name);
    view->setUniformItemSizes(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return view;
}

} // namespace

CLinkValidator::CLinkValidator(const CTagData& tagData, std::vector<std::string> files,
                               std::string base, ILinkDocuments& documents,
                               IPlatformServices& services, QWidget* owner)
    : QDialog(owner), tagData_(tagData), files_(std::move(files)), base_(std::move(base)),
      documents_(documents), services_(services), owner_(owner),
      linkModel_(new LinkListModel(this)), referenceModel_(new QStringListModel(this)),
      linksView_(newListView(QStringLiteral("Links"), this)),
      referencesView_(newListView(QStringLiteral("References"), this)),
      edit_(new QPushButton(QStringLiteral("Edit Link"), this)),
      onlyMissing_(new QCheckBox(QStringLiteral("Only broken links"), this)),
      progress_(new QProgressBar(this)) {
    setWindowTitle(QStringLiteral("Validate Links"));
    setModal(false);
    linksView_->setModel(linkModel_);
    referencesView_->setModel(referenceModel_);
    buildLayout();
    connect(linksView_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CLinkValidator::showReferences);
    connect(linksView_, &QListView::doubleClicked, this, &CLinkValidator::openLink);
    connect(referencesView_, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { openReference(index.row()); });
    connect(edit_, &QPushButton::clicked, this, &CLinkValidator::editLink);
    connect(onlyMissing_, &QCheckBox::toggled, this, [this](bool only) {
        linkModel_->setOnlyMissing(only);
        showReferences();
    });
    linksView_->installEventFilter(this);
    referencesView_->installEventFilter(this);
}

CLinkValidator::~CLinkValidator() = default;

void CLinkValidator::buildLayout() {
    auto* baseEdit = new QLineEdit(QString::fromStdString(base_), this);
    baseEdit->setObjectName(QStringLiteral("RelativeTo"));
    baseEdit->setEnabled(false);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    // There is nothing to remove links with; the buttons show where it would go.
    auto* removeLink = new QPushButton(QStringLiteral("Remove Link"), this);
    auto* removeRef = new QPushButton(QStringLiteral("Remove Ref"), this);
    removeLink->setEnabled(false);
    removeRef->setEnabled(false);
    for (QPushButton* button : {edit_, close, removeLink, removeRef}) {
        button->setAutoDefault(false);
    }
    connect(close, &QPushButton::clicked, this, &CLinkValidator::close);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Links:"), this), 0, 0);
    layout->addWidget(onlyMissing_, 0, 1, Qt::AlignRight);
    layout->addWidget(linksView_, 1, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("References:"), this), 2, 0);
    layout->addWidget(referencesView_, 3, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Relative To:"), this), 4, 0, 1, 2);
    layout->addWidget(baseEdit, 5, 0, 1, 2);
    layout->addWidget(progress_, 6, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {edit_, removeLink, removeRef}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons, 0, 2, 7, 1);
    layout->setRowStretch(1, 2);
    layout->setRowStretch(3, 1);
    resize(560, 480);
}

void CLinkValidator::start() {
    if (worker_) {
        return;
    }
    progress_->setRange(0, std::max(0, static_cast<int>(files_.size()) - 1));
    progress_->setValue(0);
    progress_->show();
    worker_ = std::make_unique<LinkScanWorker>(tagData_, files_, base_);
    connect(worker_.get(), &LinkScanWorker::progress, progress_, &QProgressBar::setValue);
    connect(worker_.get(), &LinkScanWorker::finished, this, &CLinkValidator::finishScan);
    worker_->start();
}

bool CLinkValidator::isScanning() const {
    return worker_ != nullptr && worker_->isRunning();
}

void CLinkValidator::finishScan(std::shared_ptr<LinkList> links, std::vector<bool> missing,
                                const LinkScanResult& result) {
    links_ = std::move(links);
    linkModel_->setLinks(links_, std::move(missing));
    if (result.ioError) {
        std::string detail = result.failedPath;
        if (!result.failedReason.empty()) {
            detail += "\n\n" + result.failedReason;
        }
        services_.failure(owner_, QStringLiteral("I/O Error"), QString::fromStdString(detail));
    } else {
        progress_->hide();
    }
    markOpenDocuments();
    emit scanFinished();
}

void CLinkValidator::markOpenDocuments() {
    for (const auto& [path, editor] : documents_.openDocuments()) {
        MarkAllLinks(*editor, path);
    }
}

void CLinkValidator::MarkAllLinks(CMyEditBox& editor, const std::string& path) {
    if (!links_ || LinkMarks::Lay(*links_, base_, path, editor.model()) == 0) {
        return;
    }
    documents_.keepMarkLinks(editor, links_);
    editor.ColorKey();
    editor.Refresh();
}

int CLinkValidator::selectedLink() const {
    return linkModel_->linkAt(linksView_->currentIndex().row());
}

void CLinkValidator::showReferences() {
    QStringList lines;
    if (const int link = selectedLink(); link >= 0) {
        for (const CLinkRef& ref : links_->links()[static_cast<std::size_t>(link)].refs) {
            lines << QString::fromStdString(ref.listText());
        }
    }
    referenceModel_->setStringList(lines);
}

// Return on a line does what a double click does, for keyboard users.
bool CLinkValidator::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && watched == linksView_) {
            openLink();
            return true;
        }
        if (enter && watched == referencesView_) {
            openReference(referencesView_->currentIndex().row());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
