// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>

#include <QApplication>
#include <cerrno>
#include <memory>

#include "ControlFont.h"
#include "Cp932.h"
#include "DisplayCheck.h"
#include "EndOnSignal.h"
#include "ErrorBox.h"
#include "PlatformError.h"
#include "QtClock.h"
#include "SdlLibrary.h"
#include "StartupFailure.h"
#include "Unit1.h"

namespace {

// Started with standard input, output or error closed (`zunpeko 2>&-`), the
// first file or socket opened would take that number, and a line meant for
// standard error would go into the X connection or the hi-score file.
void OpenNullOnClosedStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            ::open("/dev/null", O_RDWR);  // the lowest free number: this one
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    OpenNullOnClosedStandardStreams();
    zunpeko::EndOnUnusableScaleFactor();
    // The sound libraries load while the window is built.
    zunpeko::StartLoadingSdl();
    zunpeko::DisplayGuard guard;
    QApplication app(argc, argv);
    guard.Release();

    QApplication::setApplicationName(QStringLiteral("zunpeko"));
    QApplication::setDesktopFileName(QStringLiteral("zunpeko"));
    // Not the display name: Qt would append that to the window's title.
    zunpeko::SetApplicationTitle(zunpeko::SjisFromUtf8("ずんぺこ"));
    zunpeko::InstallFontSubstitutions();
    const zunpeko::EndOnSignal endOnSignal;

    zunpeko::QtClock clock;
    std::unique_ptr<zunpeko::TForm1> form1;
    try {
        form1 = std::make_unique<zunpeko::TForm1>(clock);
    } catch (const zunpeko::PlatformError& error) {
        return zunpeko::ReportStartupFailure(error);
    }
    if (endOnSignal.EndRequested()) {
        return 0;  // told to end while a box of the window's creation was open
    }
    form1->show();
    return QApplication::exec();
}
