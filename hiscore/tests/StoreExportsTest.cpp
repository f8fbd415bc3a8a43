// SPDX-License-Identifier: GPL-3.0-or-later
// Hi-score tables exported from the Windows registry, in each form its editor
// writes, dropped in as the store file: the game reads the table exactly, and
// its saves rewrite the table's six values where they stand, in the file's
// own form, and nothing else.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <array>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "GameOnFile.h"
#include "TestFiles.h"

namespace zunpeko {
namespace {

using store_testing::GameOnFile;
using testing::ReadBytes;
using testing::WriteBytes;

using Table = std::array<HiScoreEntry, HiScoreTable::kRanks>;

// The exports are made by Python's own code page 932, UTF-16 and UTF-8 codecs
// (make_exports.py), so no expected byte comes from the program's conversions.
class MadeExports {
  public:
    MadeExports() {
        QProcess python;
        python.start(QStringLiteral("python3"),
                     {QStringLiteral(ZUNPEKO_STORE_TEST_DIR "/make_exports.py"), folder_.path()});
        const bool finished = python.waitForFinished(30000);
        made_ = finished && python.exitStatus() == QProcess::NormalExit && python.exitCode() == 0;
        if (!made_) {
            error_ = python.errorString().toStdString() + ": " +
                     python.readAllStandardError().toStdString();
        }
    }

    bool Made() const { return made_; }
    const std::string& Error() const { return error_; }
    QString Path(const std::string& file) const {
        return folder_.filePath(QString::fromStdString(file));
    }

  private:
    QTemporaryDir folder_;
    bool made_ = false;
    std::string error_;
};

SjisText FromHex(const std::string& hex) {
    return QByteArray::fromHex(QByteArray::fromStdString(hex)).toStdString();
}

// Rows of "<score> <name in hex>", rank 1 first.
std::vector<HiScoreEntry> ReadRows(const QString& path) {
    std::istringstream rows(ReadBytes(path));
    std::vector<HiScoreEntry> entries;
    std::int32_t score = 0;
    std::string hex;
    while (rows >> score >> hex) {
        entries.push_back(HiScoreEntry{FromHex(hex), score});
    }
    return entries;
}

// Equal bytes, or where they first differ.
::testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected) {
    if (actual == expected) {
        return ::testing::AssertionSuccess();
    }
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) {
        ++at;
    }
    const auto hex = [at](const std::string& bytes) {
        const std::string around = bytes.substr(at, 24);
        return QByteArray::fromStdString(around).toHex(' ').toStdString();
    };
    return ::testing::AssertionFailure()
           << actual.size() << " bytes against " << expected.size() << " expected; from byte " << at
           << " it has [" << hex(actual) << "] where [" << hex(expected) << "] belongs";
}

struct Export {
    const char* testName;
    const char* file;
};

void PrintTo(const Export& made, std::ostream* out) {
    *out << made.file;
}

class StoreExports : public ::testing::TestWithParam<Export> {
  protected:
    static void SetUpTestSuite() { made_ = std::make_unique<MadeExports>(); }
    static void TearDownTestSuite() { made_.reset(); }

    void SetUp() override {
        ASSERT_TRUE(made_->Made()) << "make_exports.py failed: " << made_->Error();
        exported_ = ReadBytes(Made(".reg"));
        ASSERT_FALSE(exported_.empty());
        ASSERT_TRUE(WriteBytes(path_, exported_));
        const std::vector<HiScoreEntry> rows = ReadRows(Made(".reg.table"));
        ASSERT_EQ(rows.size(), table_.size());
        std::copy(rows.begin(), rows.end(), table_.begin());
    }

    static QString Made(const std::string& suffix) { return made_->Path(GetParam().file + suffix); }
    static HiScoreEntry Newcomer() {
        const std::vector<HiScoreEntry> rows = ReadRows(made_->Path("newcomer.table"));
        return rows.empty() ? HiScoreEntry{} : rows.front();
    }

    // Starts the game on the store and reads its table.
    Table Loaded() const {
        GameOnFile run(path_, "");
        EXPECT_EQ(run.Play(std::nullopt), "");
        return run.Table().Entries();
    }

    std::string Stored() const { return ReadBytes(path_); }

    static std::unique_ptr<MadeExports> made_;
    QTemporaryDir folder_;
    QString path_ = folder_.filePath(QStringLiteral("user.reg"));
    std::string exported_;
    Table table_;
};

std::unique_ptr<MadeExports> StoreExports::made_;

TEST_P(StoreExports, ReadsTheTableExactly) {
    EXPECT_EQ(Loaded(), table_);
    EXPECT_TRUE(SameBytes(Stored(), exported_)) << "loading alone changed the file";
}

TEST_P(StoreExports, AGameOfZeroLeavesEveryByteAsItWas) {
    // Nothing enters the table, yet all six values are saved again.
    EXPECT_EQ(GameOnFile(path_, "unasked").Play(0), "");
    EXPECT_TRUE(SameBytes(Stored(), exported_));
    EXPECT_FALSE(QFile::exists(path_ + QStringLiteral(".bak"))) << "kept aside as unreadable";
    EXPECT_EQ(Loaded(), table_);
}

TEST_P(StoreExports, ANewFirstPlaceRewritesOnlyTheTableInTheFilesOwnForm) {
    const HiScoreEntry newcomer = Newcomer();
    ASSERT_FALSE(newcomer.name.empty());
    EXPECT_EQ(GameOnFile(path_, newcomer.name).Play(newcomer.score), "");
    // Header, encoding, byte-order mark, line breaks, comments, other keys and
    // values as they were; the six values where they were, written as the
    // registry editor writes them.
    EXPECT_TRUE(SameBytes(Stored(), ReadBytes(Made(".reg.after"))));
    EXPECT_FALSE(QFile::exists(path_ + QStringLiteral(".bak"))) << "kept aside as unreadable";
    EXPECT_EQ(Loaded(), (Table{newcomer, table_[0], table_[1]}));
}

INSTANTIATE_TEST_SUITE_P(
    AsTheRegistryEditorWritesThem, StoreExports,
    ::testing::Values(
        // REGEDIT4, code page 932, with each line break.
        Export{"Regedit4Crlf", "regedit4-crlf"}, Export{"Regedit4Lf", "regedit4-lf"},
        // A comment, keys before and after ours, a key below ours, a value of
        // someone else's among ours, hex data over two lines.
        Export{"CommentAndOtherKeys", "comment-and-keys"},
        // Names with characters whose second byte is 0x5C, left unescaped, and
        // a real backslash and quote, escaped.
        Export{"TrailByteBackslashes", "trail-backslash"},
        // The editor's default export: UTF-16LE with a byte-order mark, CRLF.
        Export{"Version5Utf16", "version5-utf16"},
        // REGEDIT4 saved again by a text editor as UTF-8 with a byte-order mark.
        Export{"Regedit4Utf8WithByteOrderMark", "regedit4-utf8bom"}),
    [](const ::testing::TestParamInfo<Export>& made) { return std::string(made.param.testName); });

}  // namespace
}  // namespace zunpeko
