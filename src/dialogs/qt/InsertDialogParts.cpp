#include "dialogs/qt/InsertDialogParts.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace InsertDialogParts {

QComboBox* valueChooser(const std::vector<std::string>& values, QWidget* parent) {
    auto* chooser = new QComboBox(parent);
    chooser->setEditable(true);
    chooser->setInsertPolicy(QComboBox::NoInsert);
    QStringList items;
    for (const std::string& value : values) {
        items << QString::fromStdString(value);
    }
    items.sort(Qt::CaseInsensitive);
    chooser->addItems(items);
    chooser->setCurrentIndex(-1);
    chooser->setEditText(QString());
    return chooser;
}

QPushButton* browseButton(QLineEdit* field, FileBrowser pick, QWidget* parent) {
    auto* button = new QPushButton(QStringLiteral("..."), parent);
    button->setMaximumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    QObject::connect(button, &QPushButton::clicked, field, [field, pick = std::move(pick)] {
        const QString chosen = pick();
        if (!chosen.isEmpty()) {
            field->setText(chosen);
        }
    });
    return button;
}

QPushButton* colourButton(QLineEdit* field, ColourChooser pick, QWidget* parent) {
    auto* button = new QPushButton(QStringLiteral("..."), parent);
    button->setMaximumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    QObject::connect(button, &QPushButton::clicked, field, [field, pick = std::move(pick)] {
        if (const std::optional<QString> chosen = pick()) {
            field->setText(*chosen);
        }
    });
    return button;
}

void finish(QDialog& dialog, QGridLayout* grid) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(buttons);
}

std::string textOf(const QLineEdit* field) {
    return field->text().toStdString();
}

std::string textOf(const QComboBox* chooser) {
    return chooser->currentText().toStdString();
}

} // namespace InsertDialogParts
