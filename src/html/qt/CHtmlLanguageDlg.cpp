#include "html/qt/CHtmlLanguageDlg.h"

#include "html/CTagData.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The description a node shows: a tag's or an argument's own, and for a
// value the description of the argument it belongs to.
QString infoOf(const TagTreeNode& node, const TagTreeNode* parent) {
    if (node.tag != nullptr)
        return QString::fromStdString(node.tag->info);
    if (node.argument != nullptr)
        return QString::fromStdString(node.argument->info);
    if (node.value != nullptr && parent != nullptr && parent->argument != nullptr)
        return QString::fromStdString(parent->argument->info);
    return {};
}

void addNode(QTreeWidgetItem* parentItem, const TagTreeNode& node, const TagTreeNode* parent) {
    auto* item = new QTreeWidgetItem(parentItem, {QString::fromStdString(node.text)});
    item->setData(0, Qt::UserRole, infoOf(node, parent));
    for (const TagTreeNode& child : node.children)
        addNode(item, child, &node);
}

} // namespace

CHtmlLanguageDlg::CHtmlLanguageDlg(const CTagData& tags, QWidget* parent)
    : QDialog(parent), tree_(new QTreeWidget), info_(new QPlainTextEdit) {
    setWindowTitle(QString::fromLatin1(Caption));
    tree_->setHeaderHidden(true);
    info_->setReadOnly(true);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(tree_);
    splitter->addWidget(info_);
    splitter->setStretchFactor(0, 4);
    splitter->setStretchFactor(1, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(buttons);

    fillTree(tags);
    connect(tree_, &QTreeWidget::currentItemChanged, this, &CHtmlLanguageDlg::showInfo);
    resize(480, 520);
}

void CHtmlLanguageDlg::fillTree(const CTagData& tags) {
    for (const TagTreeNode& group : tags.FillTagTree(4)) {
        auto* item = new QTreeWidgetItem(tree_, {QString::fromStdString(group.text)});
        for (const TagTreeNode& tag : group.children)
            addNode(item, tag, &group);
    }
}

void CHtmlLanguageDlg::showInfo() {
    const QTreeWidgetItem* item = tree_->currentItem();
    info_->setPlainText(item != nullptr ? item->data(0, Qt::UserRole).toString() : QString());
}
