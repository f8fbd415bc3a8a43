// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartupFailure.h"

#include "Cp932.h"

namespace zunpeko {

std::unique_ptr<QMessageBox> MakeStartupErrorBox(const PlatformError& error) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Critical,
                                             ToDisplay(SjisFromUtf8("ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ")),
                                             ToDisplay(error.Text()), QMessageBox::Ok);
    return box;
}

int ReportStartupFailure(const PlatformError& error) {
    MakeStartupErrorBox(error)->exec();
    return kStartupFailureExitStatus;
}

}  // namespace zunpeko
