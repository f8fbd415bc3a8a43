// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zunpeko {

// Qt takes any number in QT_SCALE_FACTOR, but at 0, below it or too large for
// a window the game shows no window, or one pixel of it, and runs on unseen.
// Such a factor ends the program here with one line on stderr and status 1.
void EndOnUnusableScaleFactor();

// Guards the creation of the QApplication. Where no display can be opened, Qt
// gives up with a fatal message and aborts; while this guard is armed that
// fatal message instead becomes one plain line on stderr and exit status 1.
// Where QT_QPA_PLATFORM names another platform that fails, or one that starts
// with no screen, the line names the platform and Qt's messages follow it.
// Qt's other messages meanwhile are held back and printed once the guard is
// released, so a failed start prints only the one line.
class DisplayGuard {
  public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;
    DisplayGuard(DisplayGuard&&) = delete;
    DisplayGuard& operator=(DisplayGuard&&) = delete;

    // The application exists: restore Qt's usual message handling, or end
    // the program if the platform has no screen to show a window on.
    void Release();
};

}  // namespace zunpeko
