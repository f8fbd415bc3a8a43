// SPDX-License-Identifier: GPL-3.0-or-later
// The hi-score store on disk, under the table, and what a save may never cost
// the player: the first run, files that cannot be read or written, the file on
// a full disk, files of theirs beside it, the file a link names, a file too
// large to read back, values the load could not read, the store's lock, and
// the table another copy of the game saved.
#include <grp.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

#include "Cp932.h"
#include "FileRegistry.h"
#include "GameOnFile.h"
#include "RegDocument.h"
#include "TestFiles.h"

namespace zunpeko {
namespace {

using store_testing::GameOnFile;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

constexpr std::string_view kTableKey = "HKEY_CURRENT_USER\\Zunpeko";
constexpr std::string_view kFirstRunFile =
    "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Zunpeko]\r\n\"HSC1\"=dword:0000012c\r\n"
    "\"HSC2\"=dword:000000c8\r\n\"HSC3\"=dword:00000064\r\n\"SName1\"=\"pikuro\"\r\n"
    "\"SName2\"=\"vedizud\"\r\n\"SName3\"=\"zurizu\"\r\n";

// A message as a run on the file reports it, on a line of its own.
std::string Message(std::string_view utf8) {
    return SjisFromUtf8(utf8) + "\n";
}
std::string CreateFailed() {
    return Message("ｷｰ Zunpeko の作成に失敗しました");
}
std::string SetFailed() {
    return Message("'HSC1' の設定に失敗しました");
}

QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// The copy the player is told of, if any.
QString KeptCopy(FileRegistry& store) {
    const auto notice = store.TakeNotice();
    return notice && notice->kind == FileRegistry::Notice::Kind::kKeptCopy ? notice->path
                                                                           : QString();
}

// Runs body(scratch) where file permissions bind. Root may write anything, so
// under root it runs in a child process that has become "nobody" and reports
// its failed checks on its way out.
template <typename Body>
void WherePermissionsBind(Body body) {
    if (geteuid() != 0) {
        const ScratchFolder scratch;
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
                const ScratchFolder scratch;
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

class StoreSafety : public ::testing::Test {
  protected:
    QString Folder() const { return scratch_.StoreFolder(); }
    QString Store(const QString& suffix = {}) const { return scratch_.Store(suffix); }
    HiScoreEntry StoredFirst() const {
        GameOnFile reader(Store());
        reader.Play(std::nullopt);
        return reader.Table().Entries()[0];
    }

    ScratchFolder scratch_;
};

TEST_F(StoreSafety, TheFirstRunMakesTheFolderAndWritesTheDefaultsInOrder) {
    GameOnFile first(Store());
    EXPECT_EQ(first.Play(std::nullopt), "");
    EXPECT_EQ(ReadBytes(Store()), kFirstRunFile);
    GameOnFile second(Store());
    EXPECT_EQ(second.Play(std::nullopt), "");
    EXPECT_EQ(second.Table().Entries(), first.Table().Entries());
}

TEST_F(StoreSafety, WritesKeepChangesMadeMeanwhileAndOnlyWithFullAccess) {
    const std::string file = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Zunpeko]\n\"Keep\"=\"me\"\n";
    ASSERT_TRUE(WriteBytes(Store(), file));
    FileRegistry registry(Store());
    const auto read = registry.OpenKey("Zunpeko", RegAccess::kRead);
    ASSERT_TRUE(read);
    EXPECT_FALSE(registry.SetValue(*read, "HSC1", DwordValue(1)));
    const auto full = registry.OpenKey("Zunpeko", RegAccess::kFull);
    ASSERT_TRUE(full);

    ASSERT_TRUE(WriteBytes(Store(), file + "\"Other\"=\"app\"\n"));
    ASSERT_TRUE(registry.SetValue(*full, "HSC1", DwordValue(1)));
    EXPECT_EQ(ReadBytes(Store()), file + "\"Other\"=\"app\"\n\"HSC1\"=dword:00000001\n");
}

TEST_F(StoreSafety, AFolderInPlaceOfTheFileGivesBothMessagesAndLosesNothing) {
    ASSERT_TRUE(WriteBytes(Store("/inside"), "kept"));
    GameOnFile run(Store());
    EXPECT_EQ(run.Play(std::nullopt), CreateFailed());
    EXPECT_EQ(run.Record(10), SetFailed());
    EXPECT_EQ(ReadBytes(Store("/inside")), "kept");
}

TEST(StorePermissions, AReadOnlyFileLoadsButEverySaveFailsAndLeavesItAsItWas) {
    WherePermissionsBind([](const ScratchFolder& scratch) {
        WriteBytes(scratch.Store(), kFirstRunFile);
        QFile::setPermissions(scratch.Store(), QFile::ReadOwner);
        GameOnFile run(scratch.Store());
        EXPECT_EQ(run.Play(std::nullopt), "");
        EXPECT_EQ(run.Table().Entries()[0].name, "pikuro");
        EXPECT_EQ(run.Record(1000), SetFailed());
        EXPECT_EQ(ReadBytes(scratch.Store()), kFirstRunFile);
    });
}

TEST(StorePermissions, AReadOnlyFolderRefusesTheFirstRunAndWritesToAFileInIt) {
    WherePermissionsBind([](const ScratchFolder& scratch) {
        const QString folder = scratch.StoreFolder();
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        GameOnFile run(scratch.Store());
        EXPECT_EQ(run.Play(std::nullopt), CreateFailed());
        EXPECT_EQ(run.Record(10), SetFailed());
        EXPECT_FALSE(QFileInfo::exists(scratch.Store()));

        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        WriteBytes(scratch.Store(), kFirstRunFile);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        FileRegistry registry(scratch.Store());
        EXPECT_FALSE(registry.OpenKey("Zunpeko", RegAccess::kFull));  // it could not be replaced
        EXPECT_TRUE(registry.OpenKey("Zunpeko", RegAccess::kRead));
    });
}

TEST(StorePermissions, AnUnreadableFileIsNeitherReadNorReplaced) {
    WherePermissionsBind([](const ScratchFolder& scratch) {
        WriteBytes(scratch.Store(), kFirstRunFile);
        QFile::setPermissions(scratch.Store(), QFile::WriteOwner);
        EXPECT_EQ(GameOnFile(scratch.Store()).Play(std::nullopt), CreateFailed());
        QFile::setPermissions(scratch.Store(), QFile::ReadOwner);
        EXPECT_EQ(ReadBytes(scratch.Store()), kFirstRunFile);
        EXPECT_FALSE(QFileInfo::exists(scratch.Store(".bak")));
    });
}

// A data folder on a file system of 16 KiB in a mount namespace of the test's
// own, so the mount goes with the process whatever happens.
class FullDisk : public StoreSafety {
  protected:
    void SetUp() override {
        if (::geteuid() != 0) {
            GTEST_SKIP() << "mounting a small file system needs root";
        }
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            GTEST_SKIP() << "no mount namespace here: " << std::strerror(errno);
        }
        const QByteArray target = QFile::encodeName(scratch_.Path());
        ASSERT_EQ(::mount("tmpfs", target.constData(), "tmpfs", 0, "size=16k"), 0)
            << std::strerror(errno);
        mounted_ = target;
    }
    void TearDown() override {
        if (!mounted_.isEmpty()) {
            ::umount2(mounted_.constData(), MNT_DETACH);
        }
    }

    // Takes every free page but `spare` bytes' worth (room for the lock file,
    // say, but not for the new table), and gives them back when asked.
    void Fill(qint64 spare) {
        const QString spareFile = scratch_.Path() + QStringLiteral("/spare");
        ASSERT_TRUE(WriteBytes(spareFile, std::string(static_cast<std::size_t>(spare), 's')));
        QFile filler(scratch_.Path() + QStringLiteral("/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size()) {
        }
        QFile::remove(spareFile);
    }
    void Free() { QFile::remove(scratch_.Path() + QStringLiteral("/filler")); }

    QByteArray mounted_;
};

constexpr qint64 kPage = 4096;

TEST_F(FullDisk, AFailedSaveIsReportedAndLeavesTheFileAsItWas) {
    ASSERT_EQ(GameOnFile(Store(), "first").Play(500), "");
    const std::string before = ReadBytes(Store());
    for (const qint64 spare : {qint64{0}, kPage}) {
        SCOPED_TRACE(spare);
        Fill(spare);
        EXPECT_EQ(GameOnFile(Store(), "second").Play(600), SetFailed());
        EXPECT_EQ(ReadBytes(Store()), before);
        EXPECT_EQ(FilesIn(Folder()), QStringList{QStringLiteral("user.reg")});  // no temporary
        Free();
    }
    EXPECT_EQ(GameOnFile(Store(), "third").Play(700), "");
    const auto document = RegDocument::Parse(ReadBytes(Store()));
    ASSERT_TRUE(document);
    EXPECT_EQ(document->FindValue(kTableKey, "SName1"), StringValue("third"));
}

// The write itself, with the lock already held when the disk fills up: the
// buffered bytes fail only when they go out, and the file must survive that.
TEST_F(FullDisk, AWriteThatRunsOutOfRoomNeverReplacesTheFile) {
    ASSERT_EQ(GameOnFile(Store(), "first").Play(500), "");
    const std::string before = ReadBytes(Store());
    FileRegistry store(Store());
    const auto key = store.OpenKey("Zunpeko", RegAccess::kFull);
    ASSERT_TRUE(key);
    ASSERT_NE(store.BeginUpdate(*key), Registry::Update::kRefused);
    Fill(0);
    EXPECT_EQ(store.SetValues(*key, {{"SName1", StringValue(std::string(3000, 'n'))}}), 0U);
    store.EndUpdate(*key);
    EXPECT_EQ(ReadBytes(Store()), before);
    EXPECT_EQ(FilesIn(Folder()), QStringList{QStringLiteral("user.reg")});
}

TEST_F(FullDisk, StartsOnAFileThatCannotBeReadNeverPileUpCopies) {
    for (const char* bytes : {"", "not a registry file"}) {
        for (const qint64 spare : {qint64{0}, kPage, 2 * kPage}) {
            SCOPED_TRACE(std::to_string(spare) + " bytes spare, file \"" + bytes + "\"");
            QDir(Folder()).removeRecursively();
            ASSERT_TRUE(WriteBytes(Store(), bytes));
            Fill(spare);
            for (int start = 0; start < 3; ++start) {
                GameOnFile(Store(), "x").Play(std::nullopt);
            }
            Free();
            // At most one copy, holding the whole file; none of an empty file.
            QStringList files = FilesIn(Folder());
            files.removeOne(QStringLiteral("user.reg"));
            EXPECT_LE(files.size(), std::string_view(bytes).empty() ? 0 : 1)
                << files.join(u' ').toStdString();
            for (const QString& name : files) {
                EXPECT_EQ(ReadBytes(Folder() + u'/' + name), bytes) << name.toStdString();
            }
        }
    }
}

TEST_F(StoreSafety, AFileKeptAsideIsCopiedOnceForTheSameBytesAndNeverWhenEmpty) {
    ASSERT_TRUE(WriteBytes(Store(), ""));
    GameOnFile(Store(), "x").Play(std::nullopt);
    EXPECT_EQ(FilesIn(Folder()), QStringList{QStringLiteral("user.reg")});

    const QString bak = Store() + QStringLiteral(".bak");
    const QString bak1 = Store() + QStringLiteral(".bak1");
    // The same bytes again are not copied again, but the player hears again
    // where they are: the table starts over once more.
    for (const auto& [garbage, told] :
         {std::pair{"garbage one", bak}, std::pair{"garbage one", bak},
          std::pair{"garbage two", bak1}}) {
        ASSERT_TRUE(WriteBytes(Store(), garbage));
        GameOnFile game(Store(), "x");
        EXPECT_EQ(game.Play(std::nullopt), "");
        EXPECT_EQ(KeptCopy(game.Store()), told) << garbage;
        EXPECT_FALSE(game.Store().TakeNotice()) << "told only once";
    }
    EXPECT_EQ(ReadBytes(bak), "garbage one");
    EXPECT_EQ(ReadBytes(bak1), "garbage two");
    EXPECT_FALSE(QFile::exists(Store(".bak2")));

    // Ours in form, but too large to be ours: kept aside too, and the
    // defaults written in its place.
    std::string huge(kFirstRunFile);
    huge.resize(RegDocument::kMaxBytes + 1, ';');
    ASSERT_TRUE(WriteBytes(Store(), huge));
    EXPECT_EQ(GameOnFile(Store()).Play(std::nullopt), "");
    EXPECT_EQ(ReadBytes(Store(".bak2")), huge);
    EXPECT_EQ(ReadBytes(Store()), kFirstRunFile);
}

TEST_F(StoreSafety, ALinkToAFileThatIsNotAStoreLeavesThatFileAlone) {
    const QString notes = scratch_.Path() + QStringLiteral("/elsewhere/notes.txt");
    ASSERT_TRUE(WriteBytes(notes, "my notes, not a registry file"));
    QDir().mkpath(Folder());
    ASSERT_TRUE(QFile::link(notes, Store()));

    GameOnFile game(Store(), "x");
    EXPECT_EQ(game.Play(500), CreateFailed() + SetFailed());
    const auto notice = game.Store().TakeNotice();
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->kind, FileRegistry::Notice::Kind::kLinkLeftAlone);
    EXPECT_EQ(notice->path, notes);
    EXPECT_EQ(game.Record(600), SetFailed());
    EXPECT_FALSE(game.Store().TakeNotice()) << "said once";
    EXPECT_EQ(ReadBytes(notes), "my notes, not a registry file");
    EXPECT_TRUE(QFileInfo(Store()).isSymLink());
    EXPECT_EQ(FilesIn(Folder()), QStringList{QStringLiteral("user.reg")});
}

TEST_F(StoreSafety, ALinkToAStoreIsSavedThroughAndStaysALink) {
    const QString synced = scratch_.Path() + QStringLiteral("/synced/user.reg");
    ASSERT_EQ(GameOnFile(synced, "first").Play(500), "");
    QDir().mkpath(Folder());
    ASSERT_TRUE(QFile::link(synced, Store()));

    EXPECT_EQ(GameOnFile(Store(), "second").Play(600), "");
    EXPECT_TRUE(QFileInfo(Store()).isSymLink());
    const auto document = RegDocument::Parse(ReadBytes(synced));
    ASSERT_TRUE(document);
    EXPECT_EQ(document->FindValue(kTableKey, "SName1"), StringValue("second"));
    EXPECT_EQ(document->FindValue(kTableKey, "SName2"), StringValue("first"));
}

TEST_F(StoreSafety, ASaveThatWouldGrowTheFilePastWhatIsReadBackIsRefused) {
    // A valid file just under the limit that holds the key but none of its
    // values: the save would add them.
    std::string text = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Zunpeko]\r\n; ";
    text.resize(RegDocument::kMaxBytes - 5, 'x');
    ASSERT_TRUE(WriteBytes(Store(), text));

    EXPECT_EQ(GameOnFile(Store(), "x").Play(500), SetFailed());
    EXPECT_EQ(ReadBytes(Store()), text);
    GameOnFile next(Store(), "x");
    EXPECT_EQ(next.Play(std::nullopt), "");  // still read, not kept aside
    EXPECT_FALSE(next.Store().TakeNotice());
}

TEST_F(StoreSafety, ValuesTheLoadCouldNotReadAreKeptAsideBeforeTheFirstSave) {
    const std::string text =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Zunpeko]\r\n\"SName1\"=\"mine\"\r\n"
        "\"HSC1\"=hex(4):2c,01,00,00,00\r\n\"HSC2\"=dword:000000c8\r\n";
    ASSERT_TRUE(WriteBytes(Store(), text));
    GameOnFile game(Store(), "x");
    EXPECT_EQ(game.Play(0), Message("'HSC1' の取得に失敗しました"));
    EXPECT_EQ(KeptCopy(game.Store()), Store() + QStringLiteral(".bak"));
    EXPECT_EQ(ReadBytes(Store() + QStringLiteral(".bak")), text);
    EXPECT_EQ(game.Record(0), "");  // the copy is made once
    EXPECT_FALSE(QFile::exists(Store() + QStringLiteral(".bak1")));
}

TEST_F(StoreSafety, ASaveSweepsOnlyTheTemporariesThisProgramLeft) {
    ASSERT_EQ(GameOnFile(Store(), "x").Play(0), "");
    // The player's own files, another program's temporary, look-alikes of
    // ours and copies kept aside earlier.
    const QStringList theirs = {QStringLiteral("user.reg.abc123"),
                                QStringLiteral("user.reg.backup"),
                                QStringLiteral("user.reg.Backup"),
                                QStringLiteral("user.reg.before"),
                                QStringLiteral("user.reg.orig01"),
                                QStringLiteral("notes.txt"),
                                QStringLiteral("user.reg.bak"),
                                QStringLiteral("user.reg.bak123"),
                                QStringLiteral("user.reg.zunpeko-save-ABCDEF"),
                                QStringLiteral("user.reg.zunpeko-save-abc1234")};
    for (const QString& name : theirs) {
        ASSERT_TRUE(WriteBytes(Folder() + u'/' + name, "theirs"));
    }
    ASSERT_TRUE(
        WriteBytes(Store() + QStringLiteral(".zunpeko-save-k1ll3d"), "left by a killed save"));

    EXPECT_EQ(GameOnFile(Store(), "x").Play(1000), "");
    EXPECT_EQ(StoredFirst(), (HiScoreEntry{"x", 1000}));
    QStringList expected = theirs;
    expected << QStringLiteral("user.reg");
    expected.sort();
    EXPECT_EQ(FilesIn(Folder()), expected);
    for (const QString& name : theirs) {
        EXPECT_EQ(ReadBytes(Folder() + u'/' + name), "theirs") << name.toStdString();
    }
}

// Two copies of the game on one store: each saves after the other loaded.
TEST_F(StoreSafety, TwoCopiesPlayingAtOnceKeepBothPlayersEntries) {
    ASSERT_EQ(GameOnFile(Store(), "x").Play(std::nullopt), "");  // the defaults, 300/200/100
    GameOnFile first(Store(), "first");
    GameOnFile second(Store(), "second");
    ASSERT_EQ(first.Play(std::nullopt) + second.Play(std::nullopt), "");

    EXPECT_EQ(first.Record(500), "");
    EXPECT_EQ(second.Record(300), "");  // ties with pikuro: below the stored entry
    const std::array<HiScoreEntry, 3> both = {
        HiScoreEntry{"first", 500}, HiScoreEntry{"pikuro", 300}, HiScoreEntry{"second", 300}};
    EXPECT_EQ(second.Table().Entries(), both);
    EXPECT_EQ(GameOnFile(Store(), "x").Play(std::nullopt), "");

    // With nobody else saving, the second copy's table is written as it is.
    EXPECT_EQ(second.Record(0), "");
    GameOnFile reader(Store(), "x");
    reader.Play(std::nullopt);
    EXPECT_EQ(reader.Table().Entries(), both);
}

// The second copy checks its score against the table the first one saved:
// a score that only ties the first copy's new entry asks for no name.
TEST_F(StoreSafety, AScoreThatOnlyTiesAnotherCopysNewEntryAsksForNoName) {
    GameOnFile first(Store(), "first");
    GameOnFile second(Store(), "second");
    ASSERT_EQ(first.Play(std::nullopt) + second.Play(std::nullopt), "");
    ASSERT_EQ(first.Record(150), "");
    EXPECT_EQ(second.Record(150), "");
    EXPECT_TRUE(second.Prompt().asked.empty());
    EXPECT_EQ(second.Table().Entries(), first.Table().Entries());
}

// Only a plain file of ours can be the lock: anything else at its name fails
// the save at once, and the table keeps the new entry for the next save.
TEST_F(StoreSafety, AnythingButALockFileAtTheLocksNameFailsTheSaveAtOnce) {
    const QString lock = Store() + QStringLiteral(".lock");
    const QByteArray name = QFile::encodeName(lock);
    const std::vector<std::pair<const char*, std::function<bool()>>> oddities = {
        {"a folder", [&] { return QDir().mkdir(lock); }},
        {"a pipe", [&] { return ::mkfifo(name.constData(), 0600) == 0; }},
        {"a link to a device", [&] { return QFile::link("/dev/zero", lock); }},
        {"a large file", [&] { return WriteBytes(lock, std::string(1 << 20, 'x')); }},
        {"an unreadable file",
         [&] {  // root reads it all the same
             return WriteBytes(lock, "1") && ::chmod(name.constData(), 0) == 0 &&
                    ::access(name.constData(), R_OK) != 0;
         }},
    };
    for (const auto& [oddity, make] : oddities) {
        SCOPED_TRACE(oddity);
        GameOnFile game(Store(), "mine");
        ASSERT_EQ(game.Play(std::nullopt), "");
        int waits = 0;
        game.Store().SetLockWait([&waits](int /*ms*/) { ++waits; });
        if (make()) {
            EXPECT_EQ(game.Record(500) + std::to_string(waits), SetFailed() + "0");
            std::filesystem::remove(name.constData());
            EXPECT_EQ(game.Record(0), "");
            EXPECT_EQ(StoredFirst(), (HiScoreEntry{"mine", 500}));
        }
        QDir(Folder()).removeRecursively();
    }
}

// A lock another copy holds is waited for, through the waits the store is
// given, for some seconds; when it comes free the save goes through.
TEST_F(StoreSafety, ALockHeldByAnotherCopyIsWaitedForThroughTheGivenWaits) {
    GameOnFile game(Store(), "mine");
    ASSERT_EQ(game.Play(std::nullopt), "");
    QLockFile otherCopy(Store() + QStringLiteral(".lock"));
    ASSERT_TRUE(otherCopy.tryLock(0));
    int waited = 0;
    game.Store().SetLockWait([&](int ms) { waited += ms; });
    EXPECT_EQ(game.Record(500), SetFailed());
    EXPECT_TRUE(waited >= 2000 && waited <= 10000) << waited;
    game.Store().SetLockWait([&](int /*ms*/) { otherCopy.unlock(); });
    EXPECT_EQ(game.Record(0), "");
    EXPECT_EQ(StoredFirst(), (HiScoreEntry{"mine", 500}));
}

TEST_F(StoreSafety, ASaveMakesTheDataFolderAgainWhenItWasDeletedMeanwhile) {
    GameOnFile game(Store(), "mine");
    ASSERT_EQ(game.Play(std::nullopt), "");
    ASSERT_TRUE(QDir(Folder()).removeRecursively());
    EXPECT_EQ(game.Record(500), "");
    EXPECT_EQ(StoredFirst(), (HiScoreEntry{"mine", 500}));
}

// A name in a Unicode export that code page 932 cannot hold reads as "？"s;
// a game that leaves the table as it was must not write those over it. The
// long comment is 4.5 MB as UTF-8, but the limit is on the file's 3 MB.
TEST_F(StoreSafety, AGameThatChangesNothingKeepsNamesCodePage932CannotHold) {
    const QString text =
        QStringLiteral(
            "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Zunpeko]\r\n"
            "\"HSC1\"=dword:0000012c\r\n\"HSC2\"=dword:000000c8\r\n\"HSC3\"=dword:00000064\r\n"
            "\"SName1\"=\"\uD55C\uAD6D\U0001F363\"\r\n\"SName2\"=\"\u307A\u301C\u3053\"\r\n"
            "\"SName3\"=\"zurizu\"\r\n; ") +
        QString(1'500'000, QChar(u'\u3042'));
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    const QByteArray bytes = utf16.encode(text);
    ASSERT_TRUE(WriteBytes(Store(), bytes.toStdString()));

    EXPECT_EQ(GameOnFile(Store(), "x").Play(0), "");
    EXPECT_EQ(ReadBytes(Store()), bytes.toStdString());
}

TEST(StoreLocation, FollowsTheBaseDirectoryRulesForTheDataFolder) {
    struct Restore {
        QByteArray home = qgetenv("HOME"), data = qgetenv("XDG_DATA_HOME");
        ~Restore() {
            qputenv("HOME", home);
            qputenv("XDG_DATA_HOME", data);
        }
    } const restore;
    qputenv("HOME", "/home/player");
    qputenv("XDG_DATA_HOME", "/data");
    EXPECT_EQ(FileRegistry::DefaultFilePath(), QStringLiteral("/data/zunpeko/user.reg"));
    qputenv("XDG_DATA_HOME", "relative/data");  // ignored, as the rules say
    EXPECT_EQ(FileRegistry::DefaultFilePath(),
              QStringLiteral("/home/player/.local/share/zunpeko/user.reg"));

    // Without a usable HOME the password database tells the home folder.
    qunsetenv("XDG_DATA_HOME");
    const QString fromPasswd = [] {
        qunsetenv("HOME");
        return FileRegistry::DefaultFilePath();
    }();
    EXPECT_FALSE(fromPasswd.startsWith(QStringLiteral("/.local")));
    qputenv("HOME", "/");
    EXPECT_EQ(FileRegistry::DefaultFilePath(), fromPasswd);

    // A folder named in bytes that are not UTF-8 is the folder used, made if missing.
    const QTemporaryDir scratch;
    const QByteArray latin1 = QFile::encodeName(scratch.path()) + "/caf\xe9";
    qputenv("XDG_DATA_HOME", latin1);
    EXPECT_EQ(GameOnFile(FileRegistry::DefaultFilePath(), "x").Play(500), "");
    struct stat status {};
    EXPECT_EQ(::stat(latin1 + "/zunpeko/user.reg", &status), 0);
    EXPECT_FALSE(QFileInfo::exists(scratch.path() + QStringLiteral("/caf\uFFFD")));
    std::filesystem::remove_all(latin1.constData());  // beyond Qt's reach
}

}  // namespace
}  // namespace zunpeko
