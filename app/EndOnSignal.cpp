// SPDX-License-Identifier: GPL-3.0-or-later
#include "EndOnSignal.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QApplication>
#include <QEvent>
#include <QSocketNotifier>
#include <QWidget>
#include <array>
#include <csignal>

namespace zunpeko {
namespace {

// The write end is all a signal handler may touch.
std::array<int, 2> wakeUp{-1, -1};

constexpr std::array kEndingSignals{SIGTERM, SIGHUP, SIGINT};

extern "C" void OnEndingSignal(int /*signal*/) {
    const char byte = 1;
    // Nothing to do if the pipe is full: a wake-up is already waiting.
    [[maybe_unused]] const ssize_t written = ::write(wakeUp[0], &byte, 1);
}

}  // namespace

EndOnSignal::EndOnSignal() {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, wakeUp.data()) != 0) {
        return;  // the default actions stay: the program simply ends
    }
    notifier_ = new QSocketNotifier(wakeUp[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &EndOnSignal::CloseEverything);
    struct sigaction action {};
    action.sa_handler = OnEndingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int ending : kEndingSignals) {
        ::sigaction(ending, &action, nullptr);
    }
}

EndOnSignal::~EndOnSignal() {
    for (const int ending : kEndingSignals) {
        std::signal(ending, SIG_DFL);
    }
    if (notifier_ != nullptr) {
        ::close(wakeUp[0]);
        ::close(wakeUp[1]);
        wakeUp = {-1, -1};
    }
}

bool EndOnSignal::EndRequested() const {
    if (endRequested_) {
        return true;
    }
    pollfd waiting{wakeUp[1], POLLIN, 0};
    return notifier_ != nullptr && ::poll(&waiting, 1, 0) > 0;
}

bool EndOnSignal::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Show && widget != nullptr && widget->isModal()) {
        QMetaObject::invokeMethod(widget, &QWidget::close, Qt::QueuedConnection);
    }
    return false;
}

void EndOnSignal::CloseEverything() {
    if (!endRequested_) {
        qApp->installEventFilter(this);
    }
    endRequested_ = true;
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(wakeUp[1], &byte, 1);
    // The boxes first: while a modal box is open the windows beneath it
    // would take no close request from the window system either.
    while (QWidget* box = QApplication::activeModalWidget()) {
        if (!box->close()) {
            break;
        }
    }
    QApplication::closeAllWindows();
    QApplication::quit();
}

}  // namespace zunpeko
