#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

struct CProject;
class IPlatformServices;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Add/Remove Files": adds files to the project one typed or chosen name at
// a time, or many chosen together, and removes them by name. Closing saves
// the project.
class CAddFilesDlg : public QDialog {
    Q_OBJECT

public:
    // save is called when the dialog closes.
    CAddFilesDlg(CProject& project, IPlatformServices& services, std::function<void()> save,
                 QWidget* parent = nullptr);

    QLineEdit* fileEdit() const { return fileEdit_; }
    QListWidget* fileList() const { return list_; }
    QPushButton* browseButton() const { return browse_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* removeButton() const { return remove_; }
    QPushButton* closeButton() const { return close_; }
    bool multiMode() const { return multi_; }

public slots:
    void reject() override;

private:
    void browse();
    void addFile();
    void addChosenFiles();
    void addTypedFile();
    void addEntry(const std::string& relPath);
    void removeFile();
    void finishEdit();

    CProject& project_;
    IPlatformServices& services_;
    std::function<void()> save_;
    QLineEdit* fileEdit_;
    QPushButton* browse_;
    QListWidget* list_;
    QPushButton* add_;
    QPushButton* remove_;
    QPushButton* close_;
    bool multi_ = false;
    QString chosenDirectory_; // with its trailing separator
    QStringList chosenNames_;
};
