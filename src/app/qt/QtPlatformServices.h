#pragma once

#include "app/qt/IPlatformServices.h"

// The real dialogs, message boxes and desktop services.
class QtPlatformServices : public IPlatformServices {
public:
    void message(QWidget* owner, const QString& text, const QString& caption) override;
    void failure(QWidget* owner, const QString& text, const QString& detail) override;
    Answer askYesNoCancel(QWidget* owner, const QString& text, const QString& caption) override;
    bool askYesNo(QWidget* owner, const QString& text, const QString& caption) override;
    QString openFileName(QWidget* owner, const QString& filter) override;
    QString saveFileName(QWidget* owner, const QString& filter,
                         const QString& defaultSuffix) override;
    std::optional<FontChoice> chooseFont(QWidget* owner) override;
    std::optional<ColorChoice> chooseColor(QWidget* owner, const ColorChoice& initial,
                                           const ColorNames& names) override;
    std::optional<QColor> pickColor(QWidget* owner, const QColor& initial) override;
    std::optional<std::string> chooseValue(QWidget* owner,
                                           const std::vector<std::string>& values) override;
    bool shellOpen(const QString& path) override;
    bool openAddress(const QString& address) override;
    QStringList openFileNames(QWidget* owner, const QString& filter) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    void setDialogFolder(const QString& folder) override;

private:
    // Remembers where a dialog's chosen file lies, for the next dialog.
    QString remember(const QString& chosen);

    QString folder_;
};
