// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceWatch.h"

#include "SdlLibrary.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <utility>

namespace zunpeko {
namespace {

// Long enough for a device under load to keep mixing, short enough that the
// player hardly misses a sound.
constexpr int kLookIntervalMs = 500;
// A new stream waits for the server to link it before its first mix.
constexpr int kLooksBeforeTheFirstMix = 6;

}  // namespace

DeviceWatch::DeviceWatch(LostListener onLost) : onLost_(std::move(onLost)) {}

void DeviceWatch::Start(const std::string& driver) {
    ++watchNumber_;
    watching_ = true;
    // Nothing reads SDL's event queue (the window is Qt's); this filter is
    // the one reader of what SDL says about its devices.
    Sdl().SDL_SetEventFilter(&DeviceWatch::OnSdlEvent, this);
    // SDL's other drivers say when their device goes; a PulseAudio stream
    // may also go a second without asking for sound, right after it opens.
    if (driver != "pipewire") {
        return;
    }
    QCoreApplication* app = QCoreApplication::instance();
    if (looks_.isNull() && app != nullptr) {
        // The application ends the timer with itself, before this watch.
        looks_ = new QTimer(app);
        looks_->setInterval(kLookIntervalMs);
        QObject::connect(looks_, &QTimer::timeout, app, [this] { Look(); });
    }
    mixesAtLastLook_ = mixes_;
    looksLeft_ = kLooksBeforeTheFirstMix;
    if (!looks_.isNull()) {
        looks_->start();
    }
}

void DeviceWatch::Stop() {
    ++watchNumber_;
    watching_ = false;
    if (!looks_.isNull()) {
        looks_->stop();
    }
}

int DeviceWatch::OnSdlEvent(void* watch, SDL_Event* event) {
    auto* self = static_cast<DeviceWatch*>(watch);
    if (event->type == SDL_AUDIODEVICEREMOVED && event->adevice.iscapture == 0) {
        const unsigned watchNumber = self->watchNumber_;
        if (QCoreApplication* app = QCoreApplication::instance()) {
            QMetaObject::invokeMethod(
                app, [self, watchNumber] { self->Report(watchNumber, "was removed"); },
                Qt::QueuedConnection);
        }
    }
    // Dropped: unread, they would pile up in SDL's queue.
    return 0;
}

void DeviceWatch::Look() {
    const unsigned mixes = mixes_;
    if (mixes != mixesAtLastLook_) {
        mixesAtLastLook_ = mixes;
        looksLeft_ = 1;
    } else if (--looksLeft_ == 0) {
        Report(watchNumber_, "stopped playing");
    }
}

void DeviceWatch::Report(unsigned watchNumber, const char* how) {
    if (watching_ && watchNumber == watchNumber_) {
        Stop();
        onLost_(how);
    }
}

}  // namespace zunpeko
