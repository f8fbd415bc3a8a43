// SPDX-License-Identifier: GPL-3.0-or-later
#include "NamePromptDialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "ControlFont.h"
#include "Cp932.h"
#include "PromptLayout.h"
#include "SjisLineEdit.h"

namespace zunpeko {

SjisText NamePromptDialog::Ask(QWidget* parent, const SjisText& title, const SjisText& promptLine,
                               const SjisText& defaultText) {
    NamePromptDialog dialog(ToDisplay(title), ToDisplay(promptLine), ToDisplay(defaultText),
                            parent);
    if (dialog.exec() != QDialog::Accepted) {  // also returns when the application quits
        return defaultText;
    }
    return FromDisplay(dialog.Text());
}

NamePromptDialog::NamePromptDialog(const QString& title, const QString& promptLine,
                                   const QString& defaultText, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(title);
    setFont(DefaultFont().face);
    const PromptGeometry geometry = LayOutPrompt(MeasureDialogUnits(font()));
    setFixedSize(geometry.client);

    auto* prompt = new QLabel(promptLine, this);
    prompt->setObjectName(QStringLiteral("promptLine"));
    prompt->move(geometry.promptLine);
    prompt->adjustSize();

    edit_ = new SjisLineEdit(defaultText, kMaxTextBytes, this);
    edit_->setObjectName(QStringLiteral("nameEdit"));
    edit_->setGeometry(QRect(geometry.edit, QSize(geometry.editWidth, edit_->sizeHint().height())));
    edit_->selectAll();
    prompt->setBuddy(edit_);  // the line names the field for screen readers

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(geometry.okButton);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setGeometry(geometry.cancelButton);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);  // QDialog maps Esc to reject

    edit_->setFocus();
    CentreOnScreen();
}

QString NamePromptDialog::Text() const {
    return edit_->text();
}

void NamePromptDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen();  // again, now that the frame around the box is known
}

void NamePromptDialog::CentreOnScreen() {
    const QScreen* screen =
        parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // A window's position is that of its frame, so it is the frame that is centred.
    const QSize frame = frameGeometry().size();
    move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frame, screen->availableGeometry())
             .topLeft());
}

}  // namespace zunpeko
