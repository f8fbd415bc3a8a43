// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

namespace zunpeko::testing {

// Answers the program's modal boxes as they come up, in every event loop
// they run: an error box is read and closed with OK; the name prompt gets
// `name` typed in and is closed with OK.
class ModalWatcher {
  public:
    explicit ModalWatcher(QString name = QStringLiteral("Taro")) : name_(std::move(name)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
        timer_.start(1);
    }

    QStringList errors;  // the texts of the error boxes seen
    int prompts = 0;     // the name prompts answered

    // Leaves the boxes to the test from now on.
    void Pause() { timer_.stop(); }

  private:
    void Answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            errors << box->text();
            box->accept();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            ++prompts;
            if (auto* edit = dialog->findChild<QLineEdit*>()) {
                edit->setText(name_);
            }
            dialog->accept();
        }
    }

    QString name_;
    QTimer timer_;
};

}  // namespace zunpeko::testing
