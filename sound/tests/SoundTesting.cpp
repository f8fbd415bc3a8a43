// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundTesting.h"

#include <SDL_mixer.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QThread>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace zunpeko::testing_sound {
namespace {

void AppendLittle32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void AppendLittle16(QByteArray& out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

}  // namespace

QByteArray ToneWave(int milliseconds, int rate) {
    const int frames = static_cast<int>(qint64{rate} * milliseconds / 1000);
    QByteArray wave("RIFF");
    AppendLittle32(wave, static_cast<quint32>(36 + 2 * frames));
    wave.append("WAVEfmt ");
    AppendLittle32(wave, 16);
    AppendLittle16(wave, 1);  // PCM
    AppendLittle16(wave, 1);  // mono
    AppendLittle32(wave, static_cast<quint32>(rate));
    AppendLittle32(wave, static_cast<quint32>(2 * rate));
    AppendLittle16(wave, 2);
    AppendLittle16(wave, 16);
    wave.append("data");
    AppendLittle32(wave, static_cast<quint32>(2 * frames));
    for (int i = 0; i < frames; ++i) {
        const double value = 8000.0 * std::sin(2.0 * std::numbers::pi * 440.0 * i / rate);
        AppendLittle16(wave, static_cast<quint16>(static_cast<qint16>(value)));
    }
    return wave;
}

QByteArray SilentMp3(int milliseconds) {
    // MPEG-1 layer III, 128 kbit/s, 44.1 kHz, mono, no checksum: 417 bytes
    // and 1152 samples a frame. Zero side information and zero main data
    // decode to silence.
    constexpr int kFrameBytes = 417;
    constexpr int kFrameSamples = 1152;
    QByteArray frame("\xFF\xFB\x90\xC0", 4);
    frame.append(kFrameBytes - 4, '\0');
    const int frames = (milliseconds * 44100 / 1000 + kFrameSamples - 1) / kFrameSamples;
    return frame.repeated(std::max(frames, 2));
}

void WriteClip(const QString& path, int milliseconds) {
    WriteFile(path, path.endsWith(u".mp3", Qt::CaseInsensitive) ? SilentMp3(milliseconds)
                                                                : ToneWave(milliseconds));
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    ASSERT_TRUE(testing::WriteBytes(path, bytes.toStdString())) << path.toStdString();
}

bool WaitUntil(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, 10000);
}

bool MixerIsSilent() {
    return Mix_Playing(-1) == 0 && Mix_PlayingMusic() == 0;
}

void DeliverPostedEvents() {
    QCoreApplication::processEvents();
}

NotifyLog::NotifyLog(MediaPlayer& player) {
    QObject::connect(
        &player, &MediaPlayer::Notified, &receiver_,
        [this](MediaPlayer::Result result) {
            results.push_back(result);
            onUiThread.push_back(QThread::currentThread() ==
                                 QCoreApplication::instance()->thread());
        },
        // Direct, so the log sees the thread the player emits on;
        // a queued connection would hide an emit from the audio thread.
        Qt::DirectConnection);
}

bool NotifyLog::WaitForCount(std::size_t count) {
    return WaitUntil([&] { return results.size() >= count; });
}

ScratchFolder::ScratchFolder() : previous_(QDir::currentPath()) {
    QDir::setCurrent(Path());
}

ScratchFolder::~ScratchFolder() {
    QDir::setCurrent(previous_);
}

}  // namespace zunpeko::testing_sound
