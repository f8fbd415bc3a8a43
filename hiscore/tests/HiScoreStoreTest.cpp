// SPDX-License-Identifier: GPL-3.0-or-later
// The store file on disk, through the registry interface and under the table.
#include <grp.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "Cp932.h"
#include "FileRegistry.h"
#include "GameOnFile.h"
#include "HiScoreTable.h"
#include "PlatformError.h"

namespace zunpeko {
namespace {

using store_testing::GameOnFile;

constexpr std::string_view kFirstRunFile =
    "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Zunpeko]\r\n\"HSC1\"=dword:0000012c\r\n"
    "\"HSC2\"=dword:000000c8\r\n\"HSC3\"=dword:00000064\r\n\"SName1\"=\"pikuro\"\r\n"
    "\"SName2\"=\"vedizud\"\r\n\"SName3\"=\"zurizu\"\r\n";
// The messages as a run on the file reports them, each on a line.
std::string CreateFailed() {
    return SjisFromUtf8("ｷｰ Zunpeko の作成に失敗しました") + "\n";
}
std::string SetFailed() {
    return SjisFromUtf8("'HSC1' の設定に失敗しました") + "\n";
}

// A temporary folder, removed afterwards even with read-only things left in it.
struct Scratch {
    ~Scratch() {
        QDirIterator it(dir.path(), QDir::AllEntries | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        while (it.hasNext()) {
            QFile::setPermissions(it.next(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }
    QString Store(const QString& suffix = {}) const {
        return dir.path() + "/zunpeko/user.reg" + suffix;
    }
    QTemporaryDir dir;
};

void Write(const QString& path, std::string_view bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(unreadable)";
}

// Runs body(scratch) where file permissions bind. Root may write anything, so
// under root it runs in a child process that has become "nobody" and reports
// its failed checks on its way out.
template <typename Body>
void WherePermissionsBind(Body body) {
    if (geteuid() != 0) {
        Scratch scratch;
        body(scratch);
        return;
    }
    EXPECT_EXIT(
        {
            constexpr uid_t kNobody = 65534;
            if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) {
                std::_Exit(2);
            }
            {
                Scratch scratch;
                body(scratch);
            }
            const auto* result = ::testing::UnitTest::GetInstance()->current_test_info()->result();
            for (int i = 0; i < result->total_part_count(); ++i) {
                std::fprintf(stderr, "%s\n", result->GetTestPartResult(i).message());
            }
            std::_Exit(result->Failed() ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(HiScoreStore, FirstRunMakesTheFolderAndWritesTheDefaultsInOrder) {
    Scratch scratch;
    GameOnFile first(scratch.Store());
    EXPECT_EQ(first.Play(std::nullopt), "");
    EXPECT_EQ(Read(scratch.Store()), kFirstRunFile);
    GameOnFile second(scratch.Store());
    EXPECT_EQ(second.Play(std::nullopt), "");
    EXPECT_EQ(second.Table().Entries(), first.Table().Entries());
}

TEST(HiScoreStore, WritesKeepChangesMadeMeanwhileAndNeverLoseTheFile) {
    Scratch scratch;
    const std::string file = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Zunpeko]\n\"Keep\"=\"me\"\n";
    Write(scratch.Store(), file);
    FileRegistry registry(scratch.Store());
    const auto read = registry.OpenKey("Zunpeko", RegAccess::kRead);
    const auto full = registry.OpenKey("Zunpeko", RegAccess::kFull);
    ASSERT_TRUE(read && full);
    EXPECT_FALSE(registry.SetValue(*read, "HSC1", DwordValue(1)));

    Write(scratch.Store(), file + "\"Other\"=\"app\"\n");
    ASSERT_TRUE(registry.SetValue(*full, "HSC1", DwordValue(1)));
    EXPECT_EQ(Read(scratch.Store()), file + "\"Other\"=\"app\"\n\"HSC1\"=dword:00000001\n");
    Write(scratch.Store(), "spoiled");
    ASSERT_TRUE(registry.SetValue(*full, "HSC2", DwordValue(2)));
    EXPECT_EQ(Read(scratch.Store(".bak")), "spoiled");
}

TEST(HiScoreStore, SaveReplacesTheFileOnceAndSweepsAwayTemporariesLeftByAKill) {
    Scratch scratch;
    GameOnFile session(scratch.Store());
    ASSERT_EQ(session.Play(std::nullopt), "");
    // What a save interrupted between writing and renaming leaves behind, and
    // two kept-aside copies that must stay.
    for (const char* name : {".zunpeko-save-ab12cd", ".bak", ".bak123"}) {
        Write(scratch.Store(name), "left");
    }
    ASSERT_EQ(session.Record(250), "");
    EXPECT_FALSE(QFile::exists(scratch.Store(".zunpeko-save-ab12cd")));
    EXPECT_EQ(Read(scratch.Store(".bak")), "left");
    EXPECT_EQ(Read(scratch.Store(".bak123")), "left");
    EXPECT_NE(Read(scratch.Store()).find("\"HSC2\"=dword:000000fa"), std::string::npos);
}

TEST(HiScoreStore, ForeignOrHugeFileIsKeptAsideBeforeTheDefaultsReplaceIt) {
    Scratch scratch;
    Write(scratch.Store(".bak"), "from last time");
    Write(scratch.Store(), std::string("HSC1=300\0\x81", 10));
    EXPECT_EQ(GameOnFile(scratch.Store()).Play(std::nullopt), "");
    EXPECT_EQ(Read(scratch.Store(".bak")), "from last time");
    EXPECT_EQ(Read(scratch.Store(".bak1")), std::string("HSC1=300\0\x81", 10));
    EXPECT_EQ(Read(scratch.Store()), kFirstRunFile);

    std::string huge(kFirstRunFile);  // ours in form, but too large to be ours
    huge.resize(RegDocument::kMaxBytes + 1, ';');
    Write(scratch.Store(), huge);
    EXPECT_EQ(GameOnFile(scratch.Store()).Play(std::nullopt), "");
    EXPECT_EQ(Read(scratch.Store(".bak2")), huge);
}

TEST(HiScoreStore, FolderInPlaceOfTheFileGivesBothMessagesAndLosesNothing) {
    Scratch scratch;
    Write(scratch.Store("/inside"), "kept");
    GameOnFile run(scratch.Store());
    EXPECT_EQ(run.Play(std::nullopt), CreateFailed());
    EXPECT_EQ(run.Record(10), SetFailed());
    EXPECT_EQ(Read(scratch.Store("/inside")), "kept");
}

TEST(HiScoreStore, ReadOnlyFileLoadsButEverySaveFailsAndLeavesItAsItWas) {
    WherePermissionsBind([](const Scratch& scratch) {
        Write(scratch.Store(), kFirstRunFile);
        QFile::setPermissions(scratch.Store(), QFile::ReadOwner);
        GameOnFile run(scratch.Store());
        EXPECT_EQ(run.Play(std::nullopt), "");
        EXPECT_EQ(run.Table().Entries()[0].name, "pikuro");
        EXPECT_EQ(run.Record(1000), SetFailed());
        EXPECT_EQ(Read(scratch.Store()), kFirstRunFile);
    });
}

TEST(HiScoreStore, ReadOnlyFolderRefusesTheFirstRunAndWritesToAFileInIt) {
    WherePermissionsBind([](const Scratch& scratch) {
        const QString folder = QFileInfo(scratch.Store()).absolutePath();
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        GameOnFile run(scratch.Store());
        EXPECT_EQ(run.Play(std::nullopt), CreateFailed());
        EXPECT_EQ(run.Record(10), SetFailed());
        EXPECT_FALSE(QFileInfo::exists(scratch.Store()));

        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        Write(scratch.Store(), kFirstRunFile);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        FileRegistry registry(scratch.Store());
        EXPECT_FALSE(registry.OpenKey("Zunpeko", RegAccess::kFull));  // it could not be replaced
        EXPECT_TRUE(registry.OpenKey("Zunpeko", RegAccess::kRead));
    });
}

TEST(HiScoreStore, UnreadableFileIsNeitherReadNorReplaced) {
    WherePermissionsBind([](const Scratch& scratch) {
        Write(scratch.Store(), kFirstRunFile);
        QFile::setPermissions(scratch.Store(), QFile::WriteOwner);
        EXPECT_EQ(GameOnFile(scratch.Store()).Play(std::nullopt), CreateFailed());
        QFile::setPermissions(scratch.Store(), QFile::ReadOwner);
        EXPECT_EQ(Read(scratch.Store()), kFirstRunFile);
        EXPECT_FALSE(QFileInfo::exists(scratch.Store(".bak")));
    });
}

TEST(HiScoreStore, LivesInTheUsersDataFolder) {
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/somewhere/data");
    EXPECT_EQ(FileRegistry::DefaultFilePath(), "/somewhere/data/zunpeko/user.reg");
    saved.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", saved);
}

}  // namespace
}  // namespace zunpeko
