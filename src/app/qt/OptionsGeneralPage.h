#pragma once

#include "app/qt/OptionsPage.h"

#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;

// "General": the tag data file, the save policy on close and the three
// extension lists.
class OptionsGeneralPage : public OptionsPage {
    Q_OBJECT

public:
    // tagDataInUse is the tag data path the running program loaded; a
    // different one takes effect only at the next start, which the page
    // says under the field.
    OptionsGeneralPage(const QString& tagDataInUse, QWidget* parent = nullptr);

    void fill(const CEditorSettings& settings) override;
    void save(CEditorSettings& settings) const override;

    QLineEdit* tagDataEdit() const { return tagData_; }
    QLabel* restartNote() const { return restartNote_; }
    QComboBox* saveCloseList() const { return saveClose_; }
    QLineEdit* openExtEdit() const { return openExt_; }
    QLineEdit* htmlExtEdit() const { return htmlExt_; }
    QLineEdit* imageExtEdit() const { return imageExt_; }

private:
    QLineEdit* addEdit(const QString& label);
    void showRestartNote();

    QString tagDataInUse_;
    QLineEdit* tagData_;
    QLabel* restartNote_;
    QComboBox* saveClose_;
    QLineEdit* openExt_;
    QLineEdit* htmlExt_;
    QLineEdit* imageExt_;
};
