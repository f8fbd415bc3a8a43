// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

namespace zunpeko::testing {

// The hi-score store of the folder the test main gives this run as its
// user data folder.
inline QString StorePath() {
    return qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/zunpeko/user.reg");
}

// A stored table of three scores of -1 named old1 to old3: the stop of any
// game, even one of 0 points, then asks for a name.
inline void StoreTableEveryGameBeats() {
    QDir().mkpath(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/zunpeko"));
    QByteArray text = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Zunpeko]\r\n";
    for (const char rank : {'1', '2', '3'}) {
        text += QByteArray("\"HSC") + rank + "\"=dword:ffffffff\r\n";
        text += QByteArray("\"SName") + rank + "\"=\"old" + rank + "\"\r\n";
    }
    QFile file(StorePath());
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text);
    }
}

inline QByteArray StoredText() {
    QFile file(StorePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace zunpeko::testing
