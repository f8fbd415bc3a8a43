// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>

#include "TestFiles.h"

namespace zunpeko::testing {

// The hi-score store of the folder the test main gives this run as its
// user data folder.
inline QString StorePath() {
    return qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/zunpeko/user.reg");
}

// A stored table of three scores of -1 named old1 to old3: the stop of any
// game, even one of 0 points, then asks for a name.
inline void StoreTableEveryGameBeats() {
    std::string text = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Zunpeko]\r\n";
    for (const char rank : {'1', '2', '3'}) {
        text += std::string("\"HSC") + rank + "\"=dword:ffffffff\r\n";
        text += std::string("\"SName") + rank + "\"=\"old" + rank + "\"\r\n";
    }
    WriteBytes(StorePath(), text);
}

// Empty when there is no store.
inline QByteArray StoredText() {
    QFile file(StorePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace zunpeko::testing
