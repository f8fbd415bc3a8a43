// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "Cp932.h"
#include "ModalWatcher.h"
#include "ScreenStates.h"
#include "ShownForm.h"
#include "TestFiles.h"

namespace zunpeko {
namespace {

using testing::Screen;

QString SoundsDir() {
    return qEnvironmentVariable("ZUNPEKO_SOURCE_DIR") + QStringLiteral("/assets/sounds/");
}

// The game's start-up folder: a folder of its own holding the three sound
// files, made the current directory for the test.
class SoundFolder {
  public:
    SoundFolder() : previous_(QDir::currentPath()) {
        for (const char* file : {"doa.wav", "d3l.mp3", "Smash.wav"}) {
            const QString name = QString::fromLatin1(file);
            QFile::copy(SoundsDir() + name, dir_.Path(name));
        }
        QDir::setCurrent(dir_.Path());
    }
    ~SoundFolder() { QDir::setCurrent(previous_); }
    SoundFolder(const SoundFolder&) = delete;
    SoundFolder& operator=(const SoundFolder&) = delete;

  private:
    testing::ScratchFolder dir_;
    QString previous_;
};

class SoundWiring : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::exists(QStringLiteral("doa.wav")))
            << "ZUNPEKO_SOURCE_DIR must name the source tree";
        platform.realSound = true;
    }

    testing::FreshStore store;
    SoundFolder folder;
    testing::ModalWatcher watcher;
    testing::WindowFakes platform;
};

TEST_F(SoundWiring, WithoutMusicBesideTheExecutableReportsItAndStillPlays) {
    ASSERT_FALSE(QFile::exists(QCoreApplication::applicationDirPath() + "/d3l.mp3"));
    TForm1 form(platform.Clock(), platform.Sound());
    ASSERT_EQ(watcher.errors.size(), 1);
    EXPECT_TRUE(watcher.errors[0].contains(QStringLiteral("d3l.mp3")))
        << watcher.errors[0].toStdString();
    EXPECT_EQ(ToDisplay(form.Label6->Caption()), QStringLiteral("pikuro"))
        << "the table is loaded after the report";

    form.S1->trigger();
    platform.clock.Advance(3000);
    testing::ExpectScreen(form, Screen::Game);
    form.N2->trigger();
    testing::ExpectScreen(form, Screen::Title);
    EXPECT_EQ(watcher.errors.size(), 1) << watcher.errors.join(u'\n').toStdString();
    EXPECT_EQ(ToDisplay(form.Label6->Caption()), QStringLiteral(" pikuro")) << "checked";
}

}  // namespace
}  // namespace zunpeko
