#pragma once

#include <QDialog>

class IPlatformServices;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Open In Browser": which browser shows the document, and the program of
// the "Other" browser. "Launch" closes it accepted, "Exit" cancelled.
class COpenInBrowserDlg : public QDialog {
    Q_OBJECT

public:
    COpenInBrowserDlg(int browser, const QString& otherBrowser, IPlatformServices& services,
                      QWidget* parent = nullptr);

    // The chosen browser setting: 50, 51 or 60.
    int browser() const;
    QString otherBrowser() const;

    QRadioButton* radio(int browser) const;
    QLineEdit* otherEdit() const { return other_; }
    QPushButton* browseButton() const { return browse_; }
    QPushButton* launchButton() const { return launch_; }
    QPushButton* exitButton() const { return exit_; }

private:
    void browse();

    IPlatformServices& services_;
    QRadioButton* netscape_;
    QRadioButton* explorer_;
    QRadioButton* otherChoice_;
    QLineEdit* other_;
    QPushButton* browse_;
    QPushButton* launch_;
    QPushButton* exit_;
};
