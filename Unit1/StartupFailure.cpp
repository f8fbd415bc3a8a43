// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartupFailure.h"

#include <cstdio>

#include "Cp932.h"
#include "SoundFile.h"

namespace zunpeko {

std::unique_ptr<QMessageBox> MakeStartupErrorBox(const PlatformError& error) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Critical,
                                             ToDisplay(SjisFromUtf8("ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ")),
                                             ToDisplay(error.Text()), QMessageBox::Ok);
    return box;
}

int ReportStartupFailure(const PlatformError& error) {
    if (const auto* file = dynamic_cast<const SoundFileError*>(&error)) {
        std::fprintf(stderr, "zunpeko: %s: %s\n", qPrintable(file->FileName()),
                     qPrintable(file->Reason()));
    } else {
        std::fprintf(stderr, "zunpeko: %s\n", Utf8FromSjis(error.Text()).c_str());
    }
    std::fflush(stderr);
    MakeStartupErrorBox(error)->exec();
    return kStartupFailureExitStatus;
}

}  // namespace zunpeko
