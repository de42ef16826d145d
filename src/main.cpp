#include "app/ProgramInfo.h"
#include "app/qt/CEditorApp.h"
#include "app/qt/FirstPaintReporter.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    // Answered before any window system is needed, so it works on a server
    // or in a package check without a display.
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (const auto text = ProgramInfoText(words, TAGWRIGHT_VERSION)) {
        std::fputs(text->c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }

    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QApplication::setApplicationName(QStringLiteral("Tagwright"));
    // Lets the desktop match the windows to the installed menu entry and its
    // icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quillmark.Tagwright"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tagwright.svg")));

    FirstPaintReporter::installIfAsked();
    CEditorApp app;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    app.InitInstance(arguments);
    return QApplication::exec();
}
