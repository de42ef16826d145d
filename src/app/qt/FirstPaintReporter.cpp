#include "app/qt/FirstPaintReporter.h"

#include "editor/qt/CMyEditBox.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>

void FirstPaintReporter::installIfAsked() {
    if (qEnvironmentVariableIsEmpty(EnvironmentVariable))
        return;
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new FirstPaintReporter(application));
}

// The text area is the viewport of an editor; the report waits until the
// paint event has been handled and the frame handed to the screen.
bool FirstPaintReporter::eventFilter(QObject* watched, QEvent* event) {
    if (!reported_ && event->type() == QEvent::Paint && watched->parent() != nullptr &&
        qobject_cast<CMyEditBox*>(watched->parent()) != nullptr) {
        reported_ = true;
        QTimer::singleShot(0, this, &FirstPaintReporter::report);
    }
    return false;
}

// Microseconds since the epoch, the clock the script reads at launch.
void FirstPaintReporter::report() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto micro = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
    std::fprintf(stderr, "first paint %lld\n", static_cast<long long>(micro));
    std::fflush(stderr);
    QCoreApplication::instance()->removeEventFilter(this);
}
