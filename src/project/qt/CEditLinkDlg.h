#pragma once

#include <QDialog>
#include <string>

class IPlatformServices;
class QLineEdit;
class QPushButton;

// "Edit Link": the new target of a link, typed or chosen with "...", as a
// path relative to the base folder shown under "Relative To:" (or an
// address). "Change" accepts it.
class CEditLinkDlg : public QDialog {
    Q_OBJECT

public:
    CEditLinkDlg(const std::string& path, const std::string& base, IPlatformServices& services,
                 QWidget* parent = nullptr);

    std::string path() const;
    QLineEdit* pathEdit() const { return pathEdit_; }
    QPushButton* browseButton() const { return browse_; }
    QPushButton* changeButton() const { return change_; }

private:
    void browse();

    std::string base_;
    IPlatformServices& services_;
    QLineEdit* pathEdit_;
    QPushButton* browse_;
    QPushButton* change_;
};
