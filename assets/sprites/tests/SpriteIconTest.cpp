// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QString>
#include <QXmlStreamReader>

namespace {

QString Theme() {
    return QStringLiteral(ZUNPEKO_ICON_THEME);
}

int OpaquePixels(const QImage& icon) {
    int opaque = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            opaque += qAlpha(icon.pixel(x, y)) == 255 ? 1 : 0;
        }
    }
    return opaque;
}

TEST(DesktopIcon, ComesInEverySizeTheIconThemeLooksFor) {
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString path = QStringLiteral("%1/%2x%2/apps/zunpeko.png").arg(Theme()).arg(size);
        const QImage icon(path);
        ASSERT_FALSE(icon.isNull()) << path.toStdString();
        EXPECT_EQ(icon.size(), QSize(size, size)) << path.toStdString();
        EXPECT_TRUE(icon.hasAlphaChannel()) << path.toStdString();
        // The mole fills a good part of the square and the corners show the desktop.
        EXPECT_GT(OpaquePixels(icon), size * size / 4) << path.toStdString();
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << path.toStdString();
    }
}

TEST(DesktopIcon, StaysSharpWhenEnlarged) {
    // Nearest-neighbour scaling: no colour in the large icon that the small one lacks.
    const QImage small(Theme() + QStringLiteral("/64x64/apps/zunpeko.png"));
    const QImage large(Theme() + QStringLiteral("/256x256/apps/zunpeko.png"));
    ASSERT_FALSE(small.isNull());
    ASSERT_FALSE(large.isNull());
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            ASSERT_EQ(large.pixel(x, y), small.pixel(x / 4, y / 4)) << x << ", " << y;
        }
    }
}

TEST(DesktopIcon, HasAScalableVersionThatIsWellFormedSvg) {
    QFile file(Theme() + QStringLiteral("/scalable/apps/zunpeko.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&file);
    ASSERT_TRUE(svg.readNextStartElement());
    EXPECT_EQ(svg.name(), QStringLiteral("svg"));
    int rects = 0;
    while (!svg.atEnd()) {
        if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == u"rect") {
            ++rects;
        }
    }
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    EXPECT_GT(rects, 100);
}

}  // namespace
