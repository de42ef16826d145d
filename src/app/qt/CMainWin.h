#pragma once

#include <QMainWindow>

class CEditorApp;
class QMdiArea;

// The main window: an MDI area that holds the document windows.
class CMainWin : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainWin(CEditorApp& app, QWidget* parent = nullptr);

    QMdiArea* mdiArea() const { return mdiArea_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CEditorApp& app_;
    QMdiArea* mdiArea_;
};
