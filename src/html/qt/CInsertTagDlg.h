#pragma once

#include "html/SharedArguments.h"
#include "html/qt/InsertTagHooks.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CArgControl;
class CTagData;
struct CTagDef;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTreeWidget;
class QTreeWidgetItem;

// "Insert Tag": the vocabulary's groups and tags in a tree, the selected
// tag's arguments as controls built from their definitions, and buttons that
// put the finished tag into the document active at the click. Modeless;
// several can be open at once, each with its own tag.
//
// Most tags take well over a hundred arguments, nearly all of them the ones
// every tag shares, so the controls scroll: the tag's own arguments first,
// then the shared ones under a heading, and a filter narrows them by name.
class CInsertTagDlg : public QDialog {
    Q_OBJECT

public:
    CInsertTagDlg(const CTagData& tags, InsertTagHooks hooks, QWidget* parent = nullptr);
    ~CInsertTagDlg() override;

    // The opening tag as the controls give it now; "" without a tag.
    std::string tagText() const;
    const CTagDef* selectedTag() const { return tag_; }
    // Builds the controls of the named tag as a click on its node does.
    bool selectTag(const std::string& name);

    void insertTag();
    void insertClosingTag();
    void insertAround();

    QTreeWidget* tree() const { return tree_; }
    QLineEdit* filter() const { return filter_; }
    QScrollArea* scrollArea() const { return scroll_; }
    QLabel* sharedHeading() const { return sharedHeading_; }
    QPushButton* insertButton() const { return insertButton_; }
    QPushButton* closeTagButton() const { return closeTagButton_; }
    QPushButton* aroundButton() const { return aroundButton_; }
    QPushButton* doneButton() const { return doneButton_; }
    const std::vector<std::unique_ptr<CArgControl>>& controls() const { return controls_; }
    CArgControl* control(const std::string& name) const;

    static constexpr const char* Caption = "Insert Tag";
    static constexpr const char* SharedHeading = "Arguments of every tag";

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    QWidget* buildArgumentSide();
    QWidget* buildButtons();
    void fillTree();
    void onTreeSelection();
    void rebuildControls();
    void placeControls();
    void updateButtons();
    void browseFile(CArgControl& control);
    void chooseColor(CArgControl& control);
    void apply(const std::function<EditResult(TextModel& model, bool useMarks)>& edit);

    const CTagData& tags_;
    InsertTagHooks hooks_;
    SharedArguments shared_;
    const CTagDef* tag_ = nullptr;
    std::vector<std::unique_ptr<CArgControl>> controls_;

    QTreeWidget* tree_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* page_ = nullptr;
    QLabel* ownHeading_ = nullptr;
    QLabel* sharedHeading_ = nullptr;
    QPushButton* insertButton_ = nullptr;
    QPushButton* closeTagButton_ = nullptr;
    QPushButton* aroundButton_ = nullptr;
    QPushButton* doneButton_ = nullptr;
};
