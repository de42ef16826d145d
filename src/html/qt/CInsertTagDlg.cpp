#include "html/qt/CInsertTagDlg.h"

#include "editor/TagTextInsertion.h"
#include "editor/qt/CMyEditBox.h"
#include "html/BuildTagText.h"
#include "html/CTagData.h"
#include "html/ColorText.h"
#include "html/qt/CArgControl.h"
#include "project/PathUtils.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QLabel* heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QPushButton* button(const QString& text, QWidget* parent) {
    auto* pushButton = new QPushButton(text, parent);
    pushButton->setAutoDefault(false);
    return pushButton;
}

} // namespace

CInsertTagDlg::CInsertTagDlg(const CTagData& tags, InsertTagHooks hooks, QWidget* parent)
    : QDialog(parent), tags_(tags), hooks_(std::move(hooks)), shared_(tags) {
    setWindowTitle(QString::fromLatin1(Caption));
    buildLayout();
    fillTree();
    rebuildControls();
    updateButtons();
    resize(820, 480);
}

CInsertTagDlg::~CInsertTagDlg() = default;

void CInsertTagDlg::buildLayout() {
    tree_ = new QTreeWidget(this);
    tree_->setHeaderHidden(true);
    tree_->setMinimumWidth(160);
    connect(tree_, &QTreeWidget::currentItemChanged, this, &CInsertTagDlg::onTreeSelection);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(tree_, 1);
    layout->addWidget(buildArgumentSide(), 3);
    layout->addWidget(buildButtons());
}

QWidget* CInsertTagDlg::buildArgumentSide() {
    auto* side = new QWidget(this);
    filter_ = new QLineEdit(side);
    filter_->setPlaceholderText(QStringLiteral("part of an argument's name"));
    filter_->setClearButtonEnabled(true);
    connect(filter_, &QLineEdit::textChanged, this, &CInsertTagDlg::placeControls);
    filter_->installEventFilter(this);
    auto* filterLabel = new QLabel(QStringLiteral("&Filter:"), side);
    filterLabel->setBuddy(filter_);

    scroll_ = new QScrollArea(side);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filter_, 1);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(filterRow);
    layout->addWidget(scroll_, 1);
    return side;
}

QWidget* CInsertTagDlg::buildButtons() {
    auto* column = new QWidget(this);
    insertButton_ = button(QStringLiteral("&Insert"), column);
    insertButton_->setDefault(true);
    closeTagButton_ = button(QStringLiteral("&Close tag"), column);
    aroundButton_ = button(QStringLiteral("&Around"), column);
    doneButton_ = button(QStringLiteral("Done"), column);
    connect(insertButton_, &QPushButton::clicked, this, &CInsertTagDlg::insertTag);
    connect(closeTagButton_, &QPushButton::clicked, this, &CInsertTagDlg::insertClosingTag);
    connect(aroundButton_, &QPushButton::clicked, this, &CInsertTagDlg::insertAround);
    connect(doneButton_, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(insertButton_);
    layout->addWidget(closeTagButton_);
    layout->addWidget(aroundButton_);
    layout->addStretch(1);
    layout->addWidget(doneButton_);
    return column;
}

void CInsertTagDlg::fillTree() {
    for (const TagTreeNode& group : tags_.FillTagTree(2)) {
        auto* groupItem = new QTreeWidgetItem(tree_, {QString::fromStdString(group.text)});
        for (const TagTreeNode& tag : group.children)
            new QTreeWidgetItem(groupItem, {QString::fromStdString(tag.text)});
    }
}

// A group node leaves the controls as they are.
void CInsertTagDlg::onTreeSelection() {
    const QTreeWidgetItem* item = tree_->currentItem();
    if (item == nullptr || item->parent() == nullptr)
        return;
    const CTagDef* tag = tags_.FindTag(item->text(0).toStdString());
    if (tag == nullptr)
        return;
    tag_ = tag;
    rebuildControls();
    updateButtons();
}

bool CInsertTagDlg::selectTag(const std::string& name) {
    const QString text = QString::fromStdString(name);
    for (int group = 0; group < tree_->topLevelItemCount(); ++group) {
        QTreeWidgetItem* groupItem = tree_->topLevelItem(group);
        for (int child = 0; child < groupItem->childCount(); ++child) {
            if (groupItem->child(child)->text(0) == text) {
                tree_->setCurrentItem(groupItem->child(child));
                return tag_ != nullptr && tag_->name == name;
            }
        }
    }
    return false;
}

// The old page goes with its widgets when the new one is set.
void CInsertTagDlg::rebuildControls() {
    controls_.clear();
    page_ = new QWidget;
    auto* grid = new QGridLayout(page_);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    const QString name = tag_ != nullptr ? QString::fromStdString(tag_->name) : QString();
    ownHeading_ = heading(QStringLiteral("Arguments of %1").arg(name), page_);
    sharedHeading_ = heading(QString::fromLatin1(SharedHeading), page_);
    if (tag_ != nullptr) {
        const auto browse = [this](CArgControl& control) { browseFile(control); };
        const auto color = [this](CArgControl& control) { chooseColor(control); };
        for (const TagArgumentField& field : shared_.fieldsOf(*tag_))
            controls_.push_back(std::make_unique<CArgControl>(field, page_, browse, color));
    }
    placeControls();
    scroll_->setWidget(page_);
}

// Own arguments, then the shared ones, two to a row, each part under its
// heading while it shows anything; the rest are hidden, not dropped, so that
// what was typed into them still counts.
void CInsertTagDlg::placeControls() {
    auto* grid = static_cast<QGridLayout*>(page_->layout());
    while (QLayoutItem* item = grid->takeAt(0))
        delete item;
    const QString filter = filter_->text().trimmed();
    int row = 0;
    for (const bool shared : {false, true}) {
        QLabel* title = shared ? sharedHeading_ : ownHeading_;
        int shown = 0;
        for (const std::unique_ptr<CArgControl>& control : controls_) {
            if (control->shared() != shared)
                continue;
            const bool visible = control->matches(filter);
            control->cell()->setVisible(visible);
            if (!visible)
                continue;
            if (shown == 0)
                grid->addWidget(title, row++, 0, 1, 2);
            grid->addWidget(control->cell(), row + shown / 2, shown % 2);
            ++shown;
        }
        title->setVisible(shown > 0);
        row += (shown + 1) / 2;
    }
    grid->setRowStretch(row, 1);
}

// Return in the filter goes on to the first argument that is left, instead
// of inserting the tag before anything was filled in.
bool CInsertTagDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched != filter_ || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    for (const std::unique_ptr<CArgControl>& control : controls_) {
        if (control->cell()->isVisibleTo(page_)) {
            control->label()->buddy()->setFocus(Qt::TabFocusReason);
            break;
        }
    }
    return true;
}

void CInsertTagDlg::updateButtons() {
    const bool hasTag = tag_ != nullptr;
    insertButton_->setEnabled(hasTag);
    closeTagButton_->setEnabled(hasTag);
    aroundButton_->setEnabled(hasTag);
}

CArgControl* CInsertTagDlg::control(const std::string& name) const {
    for (const std::unique_ptr<CArgControl>& control : controls_) {
        if (control->name() == name)
            return control.get();
    }
    return nullptr;
}

std::string CInsertTagDlg::tagText() const {
    if (tag_ == nullptr)
        return {};
    std::vector<TagArgumentValue> values;
    values.reserve(controls_.size());
    for (const std::unique_ptr<CArgControl>& control : controls_)
        values.push_back(control->value());
    return BuildTagText(tag_->name, values);
}

void CInsertTagDlg::insertTag() {
    if (tag_ == nullptr)
        return;
    const std::string text = tagText();
    apply([&text](TextModel& model, bool useMarks) {
        return TagTextInsertion::Insert(model, text, useMarks);
    });
}

void CInsertTagDlg::insertClosingTag() {
    if (tag_ == nullptr)
        return;
    const std::string text = "</" + tag_->name + ">";
    apply([&text](TextModel& model, bool useMarks) {
        return TagTextInsertion::CloseTag(model, text, useMarks);
    });
}

void CInsertTagDlg::insertAround() {
    if (tag_ == nullptr)
        return;
    const std::string text = tagText();
    const std::string name = tag_->name;
    apply([&text, &name](TextModel& model, bool useMarks) {
        return TagTextInsertion::Around(model, text, name, useMarks);
    });
}

// The document is the one active now, which need not be the one that was
// active when the dialog opened.
void CInsertTagDlg::apply(const std::function<EditResult(TextModel& model, bool useMarks)>& edit) {
    CMyEditBox* editor = hooks_.activeEditor ? hooks_.activeEditor() : nullptr;
    if (editor == nullptr)
        return;
    const bool useMarks = hooks_.useMarks && hooks_.useMarks();
    const EditResult result = edit(editor->model(), useMarks);
    if (result != EditResult::Done) {
        if (hooks_.refused)
            hooks_.refused(this, result);
        return;
    }
    const Selection selection = editor->model().GetSelection();
    editor->SetSelection(selection.start, selection.caret, true);
    editor->ColorKey();
    editor->Refresh();
}

// The link is written relative to the active document's folder with "/"
// between the steps, as links are; without a saved document, in full.
void CInsertTagDlg::browseFile(CArgControl& control) {
    const QString chosen = hooks_.chooseFile ? hooks_.chooseFile(this) : QString();
    if (chosen.isEmpty())
        return;
    std::string link = chosen.toStdString();
    const std::string document = hooks_.activePath ? hooks_.activePath() : std::string();
    if (!document.empty())
        link = RelativePath(link, DirectoryOf(document));
    ToForwardSlashes(link);
    control.setText(QString::fromStdString(link));
}

void CInsertTagDlg::chooseColor(CArgControl& control) {
    if (!hooks_.chooseColor)
        return;
    const std::optional<ColorChoice> choice =
        hooks_.chooseColor(this, ColorText::Read(control.text().toStdString()));
    if (choice)
        control.setText(
            QString::fromStdString(ColorText::Write(*choice, ColorTextCaller::InsertTag)));
}
