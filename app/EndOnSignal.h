// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace zunpeko {

// Being told to end (SIGTERM, as at the end of a desktop session; SIGHUP when
// the terminal goes; SIGINT, Ctrl+C) closes every window the way their close
// boxes do: an open box is cancelled, the main window runs its closing
// handler, and the program ends once the handler in progress has finished.
// The signal itself only wakes the event loop; the closing runs in it.
class EndOnSignal final : public QObject {
    Q_OBJECT

  public:
    EndOnSignal();
    ~EndOnSignal() override;
    EndOnSignal(const EndOnSignal&) = delete;
    EndOnSignal& operator=(const EndOnSignal&) = delete;
    EndOnSignal(EndOnSignal&&) = delete;
    EndOnSignal& operator=(EndOnSignal&&) = delete;

    // A signal came: it has closed the boxes, or is waiting for the event loop
    // to do so. Start-up asks before showing the window, since a signal that
    // closed a box shown while the window was being made must end the
    // program there, not open the window.
    bool EndRequested() const;

  protected:
    // Once told to end, a box that opens afterwards (the next box of the
    // window's creation, a save's error) is closed as it shows: the program
    // cannot wait for its OK.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CloseEverything();

    QSocketNotifier* notifier_ = nullptr;
    bool endRequested_ = false;
};

}  // namespace zunpeko
