#include "app/qt/CEditorApp.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QApplication::setApplicationName(QStringLiteral("Tagwright"));

    CEditorApp app;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    app.InitInstance(arguments);
    return QApplication::exec();
}
