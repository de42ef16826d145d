#include "app/qt/OptionsBrowserPage.h"

#include "app/CEditorSettings.h"
#include "app/SettingsIO.h"
#include "app/qt/IPlatformServices.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

OptionsBrowserPage::OptionsBrowserPage(IPlatformServices& services, QWidget* parent)
    : OptionsPage(parent), services_(services), choices_(new QButtonGroup(this)) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(addRadio(QStringLiteral("Netscape"), CEditorSettings::BrowserNetscape), 0, 0,
                      1, 2);
    layout->addWidget(
        addRadio(QStringLiteral("Internet Explorer"), CEditorSettings::BrowserExplorer), 1, 0, 1,
        2);
    layout->addWidget(addRadio(QStringLiteral("Other"), CEditorSettings::BrowserOther), 2, 0, 1, 2);
    other_ = new QLineEdit(this);
    other_->setMaxLength(static_cast<int>(CEditorSettings::kMaxPathText));
    other_->setMinimumWidth(240);
    layout->addWidget(other_, 3, 0);
    browse_ = new QPushButton(QStringLiteral("..."), this);
    browse_->setFixedWidth(30);
    browse_->setAutoDefault(false);
    layout->addWidget(browse_, 3, 1);
    layout->setRowStretch(4, 1);
    connect(browse_, &QPushButton::clicked, this, &OptionsBrowserPage::browse);
}

QRadioButton* OptionsBrowserPage::addRadio(const QString& text, int browser) {
    auto* button = new QRadioButton(text, this);
    choices_->addButton(button, browser);
    return button;
}

QRadioButton* OptionsBrowserPage::radio(int browser) const {
    return qobject_cast<QRadioButton*>(choices_->button(browser));
}

// Choosing a program means choosing "Other" as well, as in Open In Browser.
void OptionsBrowserPage::browse() {
    const QString chosen = services_.openFileName(this, QString());
    if (!chosen.isEmpty()) {
        other_->setText(chosen);
        radio(CEditorSettings::BrowserOther)->setChecked(true);
    }
}

void OptionsBrowserPage::fill(const CEditorSettings& settings) {
    if (QRadioButton* checked = radio(settings.Browser)) {
        checked->setChecked(true);
    }
    other_->setText(QString::fromStdString(settings.OtherBrowser));
}

void OptionsBrowserPage::save(CEditorSettings& settings) const {
    if (choices_->checkedId() != -1) {
        settings.Browser = choices_->checkedId();
    }
    settings.OtherBrowser = LimitPathText(other_->text().toStdString());
}
