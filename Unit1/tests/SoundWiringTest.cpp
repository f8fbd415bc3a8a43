// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "Cp932.h"
#include "GameSound.h"
#include "ModalWatcher.h"
#include "PlatformError.h"
#include "ScreenStates.h"
#include "ShownForm.h"

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
            QFile::copy(SoundsDir() + name, dir_.filePath(name));
        }
        QDir::setCurrent(dir_.path());
    }
    ~SoundFolder() { QDir::setCurrent(previous_); }
    SoundFolder(const SoundFolder&) = delete;
    SoundFolder& operator=(const SoundFolder&) = delete;

    QString FilePath(const QString& name) const { return dir_.filePath(name); }

  private:
    QTemporaryDir dir_;
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

TEST_F(SoundWiring, LoopsTheMusicUntilTheStop) {
    TForm1 form(platform.Clock(), platform.Sound());
    auto* sound = dynamic_cast<GameSound*>(&form.Sound());
    ASSERT_NE(sound, nullptr);
    // A piece a fraction of a second long, to hear it come round.
    sound->MP3.Open(folder.FilePath(QStringLiteral("Smash.wav")));
    QSignalSpy ends(&sound->MP3, &MediaPlayer::Notified);
    form.S1->trigger();
    while (ends.size() < 3 && ends.wait(5000)) {
    }
    ASSERT_EQ(ends.size(), 3);
    for (const QList<QVariant>& end : ends) {
        EXPECT_EQ(end[0].value<MediaPlayer::Result>(), MediaPlayer::Result::Successful);
    }

    form.N2->trigger();  // its slide may already deliver the report
    if (ends.size() == 3) {
        ends.wait(5000);
    }
    ASSERT_EQ(ends.size(), 4);
    EXPECT_EQ(ends.last()[0].value<MediaPlayer::Result>(), MediaPlayer::Result::Aborted);
    EXPECT_FALSE(ends.wait(1000)) << "no play after the stop";
    EXPECT_TRUE(watcher.errors.size() <= 1) << "only the missing music beside the executable";
}

TEST(GameSoundWithoutMusic, SkipsTheMusicButPlaysTheEndSound) {
    SoundFolder folder;
    GameSound sound(nullptr);
    sound.OpenPlayers();
    EXPECT_THROW(sound.ReopenMusic(QStringLiteral("/nonexistent/")), PlatformError);
    EXPECT_FALSE(sound.MP3.IsOpen());
    EXPECT_NO_THROW(sound.StartMusic());
    EXPECT_NO_THROW(sound.StopMusic());
    EXPECT_NO_THROW(sound.CutEndSound());
    EXPECT_NO_THROW(sound.PlayEndSound());
    EXPECT_NO_THROW(sound.PlayHit());
    EXPECT_THROW(sound.MP3.Play(), PlatformError) << "what the skipped steps would have met";
}

}  // namespace
}  // namespace zunpeko
