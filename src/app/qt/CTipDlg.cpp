#include "app/qt/CTipDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <ctime>
#include <random>

CTipDlg::CTipDlg(const QString& tipsPath, unsigned r, QWidget* parent)
    : QDialog(parent), text_(new QPlainTextEdit(this)) {
    setWindowTitle(QStringLiteral("Tip of the Day"));
    auto* heading = new QLabel(QStringLiteral("Did you know..."), this);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    heading->setFont(bold);
    text_->setReadOnly(true);
    text_->setMinimumSize(380, 110);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* next =
        buttons->addButton(QStringLiteral("Next Tip"), QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::AcceptRole);
    close->setDefault(true);
    connect(next, &QPushButton::clicked, this, &CTipDlg::showNextTip);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(text_);
    layout->addWidget(buttons);

    if (!tips_.load(tipsPath.toStdString())) {
        text_->setPlaceholderText(
            QStringLiteral("The tips file %1 could not be read.").arg(tipsPath));
    }
    text_->setPlainText(QString::fromStdString(tips_.start(r)));
}

unsigned CTipDlg::stepsForNow() {
    std::minstd_rand generator(static_cast<unsigned>(std::time(nullptr)));
    return static_cast<unsigned>(generator() % 32768);
}

QString CTipDlg::currentTip() const {
    return text_->toPlainText();
}

void CTipDlg::showNextTip() {
    text_->setPlainText(QString::fromStdString(tips_.next()));
}
