#pragma once

#include <QObject>

// Start-up measurement: when the environment names it, the application
// prints the moment its first document is painted, so that a script can
// time the start from launch to text on the screen.
class FirstPaintReporter : public QObject {
    Q_OBJECT

public:
    static constexpr const char* EnvironmentVariable = "TAGWRIGHT_REPORT_FIRST_PAINT";

    // Watches the application's events when the variable is set.
    static void installIfAsked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    void report();

    bool reported_ = false;
};
