// SPDX-License-Identifier: GPL-3.0-or-later
#include "MediaErrors.h"

#include "Cp932.h"
#include "SdlLibrary.h"

namespace zunpeko {

PlatformError NoDeviceError() {
    return PlatformError(SjisFromUtf8("MCI ﾃﾞﾊﾞｲｽがありません"));
}

void ClearMediaError() {
    if (SdlLoaded()) {
        Sdl().SDL_ClearError();
    }
}

PlatformError MediaSystemError() {
    if (!SdlLoaded()) {
        return PlatformError(FromDisplay(SdlLoadError()));
    }
    const char* text = Sdl().SDL_GetError();
    if (text == nullptr || *text == '\0') {
        return PlatformError(SjisFromUtf8("原因不明のｴﾗｰ"));
    }
    return PlatformError(SjisFromUtf8(text));
}

PlatformError UnknownMediaError(const QString& fileName) {
    return PlatformError(FromDisplay(
        QStringLiteral("Couldn't open '%1': unrecognized file extension").arg(fileName)));
}

}  // namespace zunpeko
