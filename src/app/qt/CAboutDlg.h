#pragma once

#include <QDialog>

// The About box: the product's title and version.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
