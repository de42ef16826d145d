#pragma once

#include "dialogs/FontChoice.h"
#include "html/ColorChoice.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

class ColorNames;

class QWidget;

// The platform services a test must be able to answer: message boxes, the
// file dialogs and the desktop's "open". The program uses QtPlatformServices.
class IPlatformServices {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~IPlatformServices() = default;
    // A message with an OK button; an empty caption means the program's name.
    virtual void message(QWidget* owner, const QString& text, const QString& caption = {}) = 0;
    // A failure: text as the main message, detail (the file and the
    // system's reason) below it, with the warning icon.
    virtual void failure(QWidget* owner, const QString& text, const QString& detail) = 0;
    // A question with Yes, No and Cancel.
    virtual Answer askYesNoCancel(QWidget* owner, const QString& text, const QString& caption) = 0;
    // A question with Yes and No.
    virtual bool askYesNo(QWidget* owner, const QString& text, const QString& caption) = 0;
    // The chosen file, or "" when cancelled.
    virtual QString openFileName(QWidget* owner, const QString& filter) = 0;
    // The chosen file, or "" when cancelled; defaultSuffix is added to a name
    // without one, and an existing file is confirmed before it is chosen.
    virtual QString saveFileName(QWidget* owner, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    // The font chooser of the Font command; nothing when cancelled.
    virtual std::optional<FontChoice> chooseFont(QWidget* owner) = 0;
    // Choose Color, preset from initial, offering names; nothing when
    // cancelled.
    virtual std::optional<ColorChoice> chooseColor(QWidget* owner, const ColorChoice& initial,
                                                   const ColorNames& names) = 0;
    // The platform's colour dialog, started from initial; nothing when
    // cancelled.
    virtual std::optional<QColor> pickColor(QWidget* owner, const QColor& initial) = 0;
    // Choose Predefined Value among values; nothing when cancelled.
    virtual std::optional<std::string> chooseValue(QWidget* owner,
                                                   const std::vector<std::string>& values) = 0;
    // Hands a file to the desktop's "open"; false when nothing could open it.
    virtual bool shellOpen(const QString& path) = 0;
    // Hands an address that names no local file (a web page, a mail) to the
    // desktop's handler for it; false when none took it.
    virtual bool openAddress(const QString& address) = 0;
    // Several existing files chosen at once, in the order the dialog gives
    // them; empty when cancelled.
    virtual QStringList openFileNames(QWidget* owner, const QString& filter) = 0;
    // The folder the next file dialogs start in; "" keeps the folder of the
    // last one.
    virtual void setDialogFolder(const QString& folder) { static_cast<void>(folder); }
    // Starts program with arguments, each one argument however many blanks
    // it holds, and does not wait for it; false when it could not start.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
};
