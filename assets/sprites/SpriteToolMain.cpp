// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the sprite sheet, its enlarged preview and the desktop icons.
//
//   zunpeko_sprite_tool [--sheet FILE.png] [--icons DIR] [--preview FILE.png]
//
// DIR receives a hicolor icon theme tree: DIR/<N>x<N>/apps/zunpeko.png and
// DIR/scalable/apps/zunpeko.svg.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <cstdio>
#include <exception>
#include <map>
#include <stdexcept>
#include <string>

#include "IconArt.h"
#include "SheetArt.h"

namespace zunpeko::art {

namespace {

constexpr int kPreviewScale = 4;

std::map<std::string, QString> ParseArguments(int argc, char** argv) {
    std::map<std::string, QString> options;
    for (int i = 1; i < argc; i += 2) {
        const std::string name = argv[i];
        if ((name != "--sheet" && name != "--icons" && name != "--preview") || i + 1 >= argc) {
            throw std::invalid_argument(
                "usage: zunpeko_sprite_tool [--sheet FILE.png] [--icons DIR] [--preview FILE.png]");
        }
        options[name] = QString::fromLocal8Bit(argv[i + 1]);
    }
    if (options.empty()) {
        throw std::invalid_argument("nothing to draw: name at least one file or folder to write");
    }
    return options;
}

void MakeParentFolder(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        throw std::runtime_error("cannot create the folder " + folder.toStdString());
    }
}

void SavePng(const QImage& image, const QString& path) {
    MakeParentFolder(path);
    if (!image.save(path, "PNG")) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

void SaveText(const QString& text, const QString& path) {
    MakeParentFolder(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0 ||
        !file.flush()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

void SaveIcons(const QString& themeFolder) {
    for (const int size : kIconSizes) {
        const QString path = QStringLiteral("%1/%2x%2/apps/zunpeko.png").arg(themeFolder).arg(size);
        SavePng(DrawIcon(size), path);
    }
    SaveText(DrawSvgIcon(), themeFolder + QStringLiteral("/scalable/apps/zunpeko.svg"));
}

QImage Enlarged(const QImage& sheet) {
    return sheet.scaled(sheet.size() * kPreviewScale, Qt::IgnoreAspectRatio,
                        Qt::FastTransformation);
}

void Run(int argc, char** argv) {
    const std::map<std::string, QString> options = ParseArguments(argc, argv);
    const QImage sheet = DrawSheet();
    if (options.contains("--sheet")) {
        SavePng(sheet, options.at("--sheet"));
    }
    if (options.contains("--preview")) {
        SavePng(Enlarged(sheet), options.at("--preview"));
    }
    if (options.contains("--icons")) {
        SaveIcons(options.at("--icons"));
    }
}

}  // namespace

}  // namespace zunpeko::art

int main(int argc, char** argv) {
    try {
        zunpeko::art::Run(argc, argv);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zunpeko_sprite_tool: %s\n", error.what());
        return 1;
    }
}
