#pragma once

#include <QDialog>
#include <QString>

struct CEditorSettings;
class IPlatformServices;
class OptionsPage;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;

// "Options": a tree of categories and the page of the selected one. It edits
// the live settings: a page's values enter them when its category is left
// and on OK. Cancel drops only the page on show; pages left before stay in
// the settings (and in effect) until the program ends.
class COptionsDlg : public QDialog {
    Q_OBJECT

public:
    enum Category { General, Editing, Colors, Browser, CategoryCount };

    // tagDataInUse: the tag data path the running program loaded.
    COptionsDlg(CEditorSettings& settings, const QString& tagDataInUse, IPlatformServices& services,
                QWidget* parent = nullptr);

    QTreeWidget* categories() const { return categories_; }
    // The page on show, null while no category is selected.
    OptionsPage* page() const { return page_; }
    // Selects category as a click on its tree item would.
    void selectCategory(Category category);
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    void accept() override;

signals:
    // The settings took the values of a page.
    void settingsChanged();

private:
    void categoryChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void leavePage();
    void showPage(int category);
    OptionsPage* createPage(int category);
    void chainFocus();

    CEditorSettings& settings_;
    QString tagDataInUse_;
    IPlatformServices& services_;
    QTreeWidget* categories_;
    QVBoxLayout* pageArea_;
    OptionsPage* page_ = nullptr;
    QPushButton* ok_;
    QPushButton* cancel_;
};
