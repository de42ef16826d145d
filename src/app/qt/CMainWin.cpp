#include "app/qt/CMainWin.h"

#include "app/qt/CEditorApp.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMdiArea>

CMainWin::CMainWin(CEditorApp& app, QWidget* parent)
    : QMainWindow(parent), app_(app), mdiArea_(new QMdiArea(this)) {
    setWindowTitle(QStringLiteral("Quillmark - Tagwright"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/tagwright.svg")));
    setCentralWidget(mdiArea_);
    resize(1024, 768);
}

void CMainWin::closeEvent(QCloseEvent* event) {
    mdiArea_->closeAllSubWindows();
    if (!mdiArea_->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    event->accept();
    app_.SaveSettings();
}
