// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenCapture.h"

#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>

namespace zunpeko::testing {
namespace {

constexpr int kToolTimeoutMs = 30'000;

// Whether a tool ran to a clean end; the reason otherwise.
bool RanCleanly(QProcess& tool, QString* error) {
    if (!tool.waitForFinished(kToolTimeoutMs) || tool.exitStatus() != QProcess::NormalExit ||
        tool.exitCode() != 0) {
        if (error != nullptr) {
            *error = tool.program() + QStringLiteral(" failed: ") +
                     QString::fromLocal8Bit(tool.readAllStandardError());
        }
        return false;
    }
    return true;
}

// weston-screenshooter writes a PNG named after the time into the current
// folder, so each shot gets an empty folder of its own.
QImage WestonShot(QString* error) {
    const QTemporaryDir folder;
    QProcess tool;
    tool.setWorkingDirectory(folder.path());
    tool.start(QStringLiteral("weston-screenshooter"), {});
    if (!RanCleanly(tool, error)) {
        return {};
    }
    const QStringList shots = QDir(folder.path()).entryList({QStringLiteral("*.png")});
    if (shots.size() != 1) {
        if (error != nullptr) {
            *error = QStringLiteral("weston-screenshooter wrote %1 files").arg(shots.size());
        }
        return {};
    }
    return QImage(folder.filePath(shots.front())).convertToFormat(QImage::Format_RGB32);
}

// Eight bits a sample: without -depth 8 import may write sixteen.
QImage X11Shot(QString* error) {
    QProcess tool;
    tool.start(QStringLiteral("import"),
               {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-depth"),
                QStringLiteral("8"), QStringLiteral("png:-")});
    if (!RanCleanly(tool, error)) {
        return {};
    }
    return QImage::fromData(tool.readAllStandardOutput(), "PNG")
        .convertToFormat(QImage::Format_RGB32);
}

bool SameRow(const QImage& whole, const QImage& part, QPoint at, int row) {
    const auto* wholeRow =
        reinterpret_cast<const QRgb*>(whole.constScanLine(at.y() + row)) + at.x();
    const auto* partRow = reinterpret_cast<const QRgb*>(part.constScanLine(row));
    return std::equal(partRow, partRow + part.width(), wholeRow);
}

}  // namespace

bool OnWayland() {
    return QGuiApplication::platformName() == QStringLiteral("wayland");
}

QImage CaptureOutput(QString* error) {
    return OnWayland() ? WestonShot(error) : X11Shot(error);
}

std::optional<QPoint> FindExactly(const QImage& whole, const QImage& part) {
    const QImage w = whole.convertToFormat(QImage::Format_RGB32);
    const QImage p = part.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y + p.height() <= w.height(); ++y) {
        for (int x = 0; x + p.width() <= w.width(); ++x) {
            const QPoint at(x, y);
            // The first row turns away nearly every wrong place at its first pixels.
            bool all = true;
            for (int row = 0; row < p.height() && all; ++row) {
                all = SameRow(w, p, at, row);
            }
            if (all) {
                return at;
            }
        }
    }
    return std::nullopt;
}

int DifferingPixels(const QImage& whole, const QImage& part, QPoint at) {
    int differing = 0;
    for (int y = 0; y < part.height(); ++y) {
        for (int x = 0; x < part.width(); ++x) {
            const QPoint in = at + QPoint(x, y);
            if (!whole.rect().contains(in) ||
                (whole.pixel(in) & 0xFFFFFFU) != (part.pixel(x, y) & 0xFFFFFFU)) {
                ++differing;
            }
        }
    }
    return differing;
}

}  // namespace zunpeko::testing
