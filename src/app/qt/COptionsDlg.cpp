#include "app/qt/COptionsDlg.h"

#include "app/CEditorSettings.h"
#include "app/qt/OptionsBrowserPage.h"
#include "app/qt/OptionsColorsPage.h"
#include "app/qt/OptionsEditingPage.h"
#include "app/qt/OptionsGeneralPage.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr const char* kCategoryNames[COptionsDlg::CategoryCount] = {"General", "Editing", "Colors",
                                                                    "Browser"};

} // namespace

COptionsDlg::COptionsDlg(CEditorSettings& settings, const QString& tagDataInUse,
                         IPlatformServices& services, QWidget* parent)
    : QDialog(parent), settings_(settings), tagDataInUse_(tagDataInUse), services_(services),
      categories_(new QTreeWidget(this)), pageArea_(new QVBoxLayout) {
    setWindowTitle(QStringLiteral("Options"));
    categories_->setHeaderHidden(true);
    categories_->setRootIsDecorated(false);
    categories_->setFixedWidth(150);
    for (const char* name : kCategoryNames) {
        categories_->addTopLevelItem(new QTreeWidgetItem({QString::fromLatin1(name)}));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Cathegories:"), this), 0, 0);
    layout->addWidget(categories_, 1, 0);
    layout->addLayout(pageArea_, 1, 1);
    layout->setColumnMinimumWidth(1, 330);
    layout->setRowMinimumHeight(1, 300);
    layout->addWidget(buttons, 2, 0, 1, 2);

    connect(buttons, &QDialogButtonBox::accepted, this, &COptionsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &COptionsDlg::reject);
    connect(categories_, &QTreeWidget::currentItemChanged, this, &COptionsDlg::categoryChanged);
    // The first page is on show from the start: an empty right half would
    // leave the user guessing what the tree is for.
    selectCategory(General);
    categories_->setFocus();
}

void COptionsDlg::selectCategory(Category category) {
    categories_->setCurrentItem(categories_->topLevelItem(category));
}

void COptionsDlg::categoryChanged(QTreeWidgetItem* current, QTreeWidgetItem*) {
    leavePage();
    if (current != nullptr) {
        showPage(categories_->indexOfTopLevelItem(current));
    }
}

void COptionsDlg::leavePage() {
    if (page_ == nullptr) {
        return;
    }
    page_->save(settings_);
    delete page_;
    page_ = nullptr;
    emit settingsChanged();
}

void COptionsDlg::showPage(int category) {
    page_ = createPage(category);
    if (page_ == nullptr) {
        return;
    }
    page_->fill(settings_);
    pageArea_->addWidget(page_);
    page_->show();
    chainFocus();
}

OptionsPage* COptionsDlg::createPage(int category) {
    switch (category) {
    case General:
        return new OptionsGeneralPage(tagDataInUse_, this);
    case Editing:
        return new OptionsEditingPage(this);
    case Colors:
        return new OptionsColorsPage(services_, this);
    case Browser:
        return new OptionsBrowserPage(services_, this);
    default:
        return nullptr;
    }
}

// A page built now would come after OK and Cancel in the Tab order; Tab
// goes from the tree through the page to the buttons instead.
void COptionsDlg::chainFocus() {
    QWidget* previous = categories_;
    for (QWidget* control : page_->findChildren<QWidget*>()) {
        if ((control->focusPolicy() & Qt::TabFocus) != 0) {
            setTabOrder(previous, control);
            previous = control;
        }
    }
    setTabOrder(previous, ok_);
    setTabOrder(ok_, cancel_);
}

void COptionsDlg::accept() {
    leavePage();
    QDialog::accept();
}
