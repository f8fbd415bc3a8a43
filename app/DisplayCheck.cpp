// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayCheck.h"

#include <QGuiApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <algorithm>
#include <cmath>
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

// The platforms QT_QPA_PLATFORM names, tried in turn ("wayland;xcb"), each
// without its options ("linuxfb:fb=...").
QList<QByteArray> NamedPlatforms() {
    QList<QByteArray> names = qgetenv("QT_QPA_PLATFORM").split(';');
    for (QByteArray& name : names) {
        const auto options = name.indexOf(':');
        if (options >= 0) {
            name.truncate(options);
        }
    }
    names.removeAll(QByteArray());
    return names;
}

// The desktop's own window systems fail for want of their display; any other
// platform named on purpose fails for reasons only Qt knows.
bool AreDesktopPlatforms(const QList<QByteArray>& platforms) {
    return std::all_of(platforms.begin(), platforms.end(), [](const QByteArray& platform) {
        return platform == "xcb" || platform.startsWith("wayland");
    });
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
        const QList<QByteArray> platforms = NamedPlatforms();
        if (AreDesktopPlatforms(platforms)) {
            ExitForLackOfDisplay();
        }
        ExitForFailedPlatform(platforms.join(';'), qFormatLogMessage(type, context, message));
    }
    HeldMessages().append(qFormatLogMessage(type, context, message));
}

// The window's client area, and the largest window X11 and Wayland take.
constexpr double kClientWidth = 442;
constexpr double kClientHeight = 334;
constexpr double kLargestWindow = 32767;

}  // namespace

void EndOnUnusableScaleFactor() {
    const QByteArray text = qgetenv("QT_SCALE_FACTOR");
    bool isNumber = false;
    const double factor = text.toDouble(&isNumber);
    const double smallest = 1 / kClientHeight;
    const double largest = kLargestWindow / kClientWidth;
    // Qt passes over what does not read as a number.
    if (!isNumber || (factor >= smallest && factor <= largest)) {
        return;
    }
    std::fprintf(stderr,
                 "zunpeko: the window cannot be shown at QT_SCALE_FACTOR=%s; it takes a factor "
                 "from %.3f to %.0f\n",
                 text.constData(), smallest, std::floor(largest));
    std::fflush(stderr);
    std::exit(EXIT_FAILURE);
}

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
