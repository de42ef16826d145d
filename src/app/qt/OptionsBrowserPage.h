#pragma once

#include "app/qt/OptionsPage.h"

class IPlatformServices;
class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Browser": the browser that Preview starts, and the program of "Other".
class OptionsBrowserPage : public OptionsPage {
    Q_OBJECT

public:
    explicit OptionsBrowserPage(IPlatformServices& services, QWidget* parent = nullptr);

    void fill(const CEditorSettings& settings) override;
    void save(CEditorSettings& settings) const override;

    // The radio of a browser setting (50, 51 or 60); null for any other.
    QRadioButton* radio(int browser) const;
    QLineEdit* otherEdit() const { return other_; }
    QPushButton* browseButton() const { return browse_; }

private:
    QRadioButton* addRadio(const QString& text, int browser);
    void browse();

    IPlatformServices& services_;
    QButtonGroup* choices_;
    QLineEdit* other_;
    QPushButton* browse_;
};
