#include "DisplayCheck.h"

#include <QGuiApplication>
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

// The platform QT_QPA_PLATFORM names, without its options ("linuxfb:fb=...").
QByteArray NamedPlatform() {
    const QByteArray named = qgetenv("QT_QPA_PLATFORM");
    const auto options = named.indexOf(':');
    return options < 0 ? named : named.left(options);
}

// The desktop's own window systems fail for want of their display; any other
// platform named on purpose fails for reasons only Qt knows.
bool IsDesktopPlatform(const QByteArray& platform) {
    return platform.isEmpty() || platform == "xcb" || platform.startsWith("wayland");
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

// Ends the program for a platform that did not start, passing on in full what
// Qt said about it, `last` (its fatal message, if any) included.
[[noreturn]] void ExitForFailedPlatform(const QByteArray& platform, const QString& last) {
    std::fprintf(stderr, "zunpeko: the window system \"%s\" (QT_QPA_PLATFORM) did not start.%s\n",
                 platform.constData(),
                 HeldMessages().isEmpty() && last.isEmpty() ? "" : " Qt said:");
    for (const QString& message : HeldMessages()) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    if (!last.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(last));
    }
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        const QByteArray platform = NamedPlatform();
        if (IsDesktopPlatform(platform)) {
            ExitForLackOfDisplay();
        }
        ExitForFailedPlatform(platform, qFormatLogMessage(type, context, message));
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
    // A platform can start without a screen (linuxfb without a frame buffer);
    // Qt would abort at the first window.
    if (QGuiApplication::instance() != nullptr && QGuiApplication::screens().isEmpty()) {
        ExitForFailedPlatform(QGuiApplication::platformName().toLocal8Bit(), {});
    }
    armed = false;
    qInstallMessageHandler(previousHandler);
    for (const QString& message : HeldMessages()) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    HeldMessages().clear();
}

}  // namespace zunpeko
