#include "app/qt/QtPlatformServices.h"

#include "dialogs/qt/CFontDlg.h"
#include "html/qt/CChooseColorDlg.h"
#include "html/qt/CChooseValueDlg.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace {

QString captionOr(const QString& caption) {
    return caption.isEmpty() ? QStringLiteral("Quillmark Tagwright") : caption;
}

} // namespace

void QtPlatformServices::message(QWidget* owner, const QString& text, const QString& caption) {
    QMessageBox::information(owner, captionOr(caption), text);
}

void QtPlatformServices::failure(QWidget* owner, const QString& text, const QString& detail) {
    QMessageBox box(QMessageBox::Warning, captionOr({}), text, QMessageBox::Ok, owner);
    box.setInformativeText(detail);
    box.exec();
}

IPlatformServices::Answer QtPlatformServices::askYesNoCancel(QWidget* owner, const QString& text,
                                                             const QString& caption) {
    const auto button = QMessageBox::question(
        owner, captionOr(caption), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (button == QMessageBox::Yes) {
        return Answer::Yes;
    }
    return button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

bool QtPlatformServices::askYesNo(QWidget* owner, const QString& text, const QString& caption) {
    return QMessageBox::question(owner, captionOr(caption), text) == QMessageBox::Yes;
}

void QtPlatformServices::setDialogFolder(const QString& folder) {
    if (!folder.isEmpty()) {
        folder_ = folder;
    }
}

QString QtPlatformServices::remember(const QString& chosen) {
    if (!chosen.isEmpty()) {
        folder_ = QFileInfo(chosen).absolutePath();
    }
    return chosen;
}

QString QtPlatformServices::openFileName(QWidget* owner, const QString& filter) {
    return remember(QFileDialog::getOpenFileName(owner, QStringLiteral("Open"), folder_, filter));
}

QString QtPlatformServices::saveFileName(QWidget* owner, const QString& filter,
                                         const QString& defaultSuffix) {
    QFileDialog dialog(owner, QStringLiteral("Save As"), folder_, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return remember(dialog.selectedFiles().first());
}

std::optional<FontChoice> QtPlatformServices::chooseFont(QWidget* owner) {
    CFontDlg dialog(owner);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.choice();
}

std::optional<ColorChoice> QtPlatformServices::chooseColor(QWidget* owner,
                                                           const ColorChoice& initial,
                                                           const ColorNames& names) {
    CChooseColorDlg dialog(names, initial, owner);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.result();
}

std::optional<QColor> QtPlatformServices::pickColor(QWidget* owner, const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, owner);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return chosen;
}

std::optional<std::string> QtPlatformServices::chooseValue(QWidget* owner,
                                                           const std::vector<std::string>& values) {
    CChooseValueDlg dialog(values, owner);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.result();
}

// "www.example.com" has no scheme yet; the desktop wants a whole URL.
bool QtPlatformServices::openAddress(const QString& address) {
    return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

bool QtPlatformServices::shellOpen(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QStringList QtPlatformServices::openFileNames(QWidget* owner, const QString& filter) {
    const QStringList chosen =
        QFileDialog::getOpenFileNames(owner, QStringLiteral("Open"), folder_, filter);
    if (!chosen.isEmpty()) {
        remember(chosen.first());
    }
    return chosen;
}

bool QtPlatformServices::startProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}
