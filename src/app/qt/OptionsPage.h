#pragma once

#include <QWidget>

struct CEditorSettings;

// One category of the Options dialog. A page lives only while its category
// is selected: it is filled from the settings when it is built and writes
// its controls back when it is left (or the dialog closes with OK).
class OptionsPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    virtual void fill(const CEditorSettings& settings) = 0;
    virtual void save(CEditorSettings& settings) const = 0;
};
