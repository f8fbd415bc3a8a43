#include "DisplayCheck.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace zunpeko {
namespace {

QtMessageHandler previousHandler = nullptr;
bool armed = false;

QStringList& HeldMessages() {
    static QStringList held;
    return held;
}

[[noreturn]] void ExitForLackOfDisplay() {
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    if (display.isEmpty() && wayland.isEmpty()) {
        std::fputs("zunpeko: no display to open the window on (DISPLAY is not set)\n", stderr);
    } else {
        std::fprintf(stderr, "zunpeko: cannot open the display \"%s\" to show the window\n",
                     (display.isEmpty() ? wayland : display).constData());
    }
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        ExitForLackOfDisplay();
    }
    HeldMessages().append(qFormatLogMessage(type, context, message));
}

}  // namespace

DisplayGuard::DisplayGuard() {
    previousHandler = qInstallMessageHandler(HoldMessage);
    armed = true;
}

DisplayGuard::~DisplayGuard() {
    Release();
}

void DisplayGuard::Release() {
    if (!armed) {
        return;
    }
    armed = false;
    qInstallMessageHandler(previousHandler);
    for (const QString& message : HeldMessages()) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    HeldMessages().clear();
}

}  // namespace zunpeko
