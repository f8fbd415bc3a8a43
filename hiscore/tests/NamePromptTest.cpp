// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimerEvent>
#include <functional>
#include <utility>

#include "ControlFont.h"
#include "Cp932.h"
#include "NamePromptDialog.h"
#include "PromptLayout.h"

namespace zunpeko {
namespace {

TEST(PromptLayout, ScalesDialogUnitsRoundingEachProductToTheNearestPixel) {
    const PromptGeometry g = LayOutPrompt(DialogUnits{6, 13});
    EXPECT_EQ(g.client, QSize(270, 102));  // 63 * 13 / 8 = 102.375
    EXPECT_EQ(g.promptLine, QPoint(12, 13));
    EXPECT_EQ(g.edit, QPoint(12, 31));  // 30.875
    EXPECT_EQ(g.editWidth, 246);
    EXPECT_EQ(g.okButton, QRect(57, 67, 75, 23));  // 66.625 and 22.75
    EXPECT_EQ(g.cancelButton, QRect(138, 67, 75, 23));
    const PromptGeometry halves = LayOutPrompt(DialogUnits{7, 12});
    EXPECT_EQ(halves.client, QSize(315, 95));           // 94.5 goes up
    EXPECT_EQ(halves.okButton, QRect(67, 62, 88, 21));  // 66.5, 61.5 and 87.5 go up
}

// Acts on the prompt's box from inside its loop: the timer is started before
// the box opens and fires until the box is up (on Wayland showing it may
// run the event loop before the box counts as modal). Finish() fails the
// test when a box that had to open never did.
class PromptDriver final : public QObject {
  public:
    void WhenOpen(std::function<void(QDialog&)> action) {
        action_ = std::move(action);
        timer_ = startTimer(0);
    }

    // After the prompt returned.
    void Finish() {
        if (action_) {
            ADD_FAILURE() << "the prompt's box never opened";
        }
        action_ = nullptr;
        if (timer_ != 0) {
            killTimer(timer_);
            timer_ = 0;
        }
    }

  protected:
    void timerEvent(QTimerEvent* event) override {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            killTimer(event->timerId());
            timer_ = 0;
            std::exchange(action_, nullptr)(*dialog);
        }
    }

  private:
    std::function<void(QDialog&)> action_;
    int timer_ = 0;
};

template <typename Widget>
Widget& Part(QDialog& dialog, const char* name) {
    return *dialog.findChild<Widget*>(name);
}

void Type(QWidget& widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&widget, &press);
    }
}

void Commit(QWidget& widget, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(&widget, &commit);
}

class NamePromptTest : public ::testing::Test {
  protected:
    SjisText Ask() {
        SjisText answer =
            NamePromptDialog::Ask(nullptr, SjisFromUtf8("ハイスコア！！名前を入れてください。"),
                                  SjisFromUtf8("ずんぺこ"), kDefault);
        driver.Finish();
        return answer;
    }

    const SjisText kDefault = SjisFromUtf8("権兵衛");
    PromptDriver driver;
};

TEST_F(NamePromptTest, ShowsItsTextsLaidOutInUnitsOfTheWindowFontCentredOnTheScreen) {
    driver.WhenOpen([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ハイスコア！！名前を入れてください。"));
        EXPECT_EQ(Part<QLabel>(dialog, "promptLine").text(), QStringLiteral("ずんぺこ"));
        auto& edit = Part<QLineEdit>(dialog, "nameEdit");
        EXPECT_EQ(edit.selectedText(), QStringLiteral("権兵衛"));
        EXPECT_EQ(dialog.focusWidget(), &edit);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(&edit)->text(QAccessible::Name),
                  "ずんぺこ");
        auto& ok = Part<QPushButton>(dialog, "okButton");
        auto& cancel = Part<QPushButton>(dialog, "cancelButton");
        EXPECT_TRUE(ok.text() == "OK" && ok.isDefault());
        EXPECT_EQ(cancel.text(), QStringLiteral("ｷｬﾝｾﾙ"));

        EXPECT_EQ(dialog.font(), DefaultFont().face);
        // The window font is mapped to IPAPGothic at 12 pixels here. Its 52
        // Latin letters measure 369 by 13 pixels, so a dialog unit is 7 by 13
        // pixels (369 / 52, truncated), and the box's figures in quarters of
        // 7 and eighths of 13, each rounded to the nearest pixel, are these.
        EXPECT_EQ(dialog.minimumSize(), QSize(315, 102));  // fixed in size
        EXPECT_EQ(dialog.maximumSize(), QSize(315, 102));
        EXPECT_EQ(Part<QLabel>(dialog, "promptLine").pos(), QPoint(14, 13));
        EXPECT_EQ(edit.pos(), QPoint(14, 31));
        EXPECT_EQ(edit.width(), 287);
        EXPECT_EQ(ok.geometry(), QRect(67, 67, 88, 23));
        EXPECT_EQ(cancel.geometry(), QRect(161, 67, 88, 23));
        const QPoint centre = dialog.screen()->availableGeometry().center();
        EXPECT_LE((dialog.frameGeometry().center() - centre).manhattanLength(), 1);
        dialog.reject();
    });
    Ask();
}

TEST_F(NamePromptTest, OkReturnsWhatWasTypedInTheProgramsEncoding) {
    driver.WhenOpen([](QDialog& dialog) {
        Type(Part<QLineEdit>(dialog, "nameEdit"),
             QStringLiteral("ずん太é"));  // replaces the selection
        QTest::keyClick(&Part<QLineEdit>(dialog, "nameEdit"), Qt::Key_Return);
    });
    EXPECT_EQ(Ask(), SjisFromUtf8("ずん太？"));  // é has no place in code page 932
    driver.WhenOpen([](QDialog& dialog) {
        QTest::keyClick(&Part<QLineEdit>(dialog, "nameEdit"), Qt::Key_Delete);
        Part<QPushButton>(dialog, "okButton").click();
    });
    EXPECT_EQ(Ask(), "");
}

TEST_F(NamePromptTest, EveryOtherWayOutReturnsTheDefault) {
    const std::vector<std::function<void(QDialog&)>> ways = {
        [](QDialog& dialog) {
            QTest::keyClick(&Part<QLineEdit>(dialog, "nameEdit"), Qt::Key_Escape);
        },
        [](QDialog& dialog) { Part<QPushButton>(dialog, "cancelButton").click(); },
        [](QDialog& dialog) { dialog.close(); },  // the close box
    };
    for (const auto& way : ways) {
        driver.WhenOpen([&way](QDialog& dialog) {
            Type(Part<QLineEdit>(dialog, "nameEdit"), QStringLiteral("typed"));
            way(dialog);
        });
        EXPECT_EQ(Ask(), kDefault);
    }
}

TEST_F(NamePromptTest, RefusesTypingBeyondTwoHundredFiftyFiveBytes) {
    driver.WhenOpen([](QDialog& dialog) {
        auto& edit = Part<QLineEdit>(dialog, "nameEdit");
        Type(edit, QString(127, u'権') + u'兵');  // 254 bytes, then two more
        EXPECT_EQ(edit.text(), QString(127, u'権'));
        Type(edit, QStringLiteral("ab"));  // one byte still fits
        EXPECT_EQ(edit.text(), QString(127, u'権') + u'a');
        edit.selectAll();
        Type(edit, QString(300, u'x'));
        QTest::keyClick(&edit, Qt::Key_Return);
    });
    EXPECT_EQ(Ask(), std::string(255, 'x'));
}

TEST_F(NamePromptTest, TakesWhatFitsOfAnInputMethodsCommitAndRefusesTheRest) {
    driver.WhenOpen([](QDialog& dialog) {
        auto& edit = Part<QLineEdit>(dialog, "nameEdit");
        Commit(edit, QString(128, u'山'));  // over the selected default
        EXPECT_EQ(edit.text(), QString(127, u'山'));
        edit.selectAll();
        Type(edit, QString(250, u'x'));
        Commit(edit, QStringLiteral("〜山田"));  // 田 would make 256 bytes
        Commit(edit, QStringLiteral("a"));
        QTest::keyClick(&edit, Qt::Key_Return);
    });
    EXPECT_EQ(Ask(), std::string(250, 'x') +
                         "\x81\x60\x8e\x52"
                         "a");
}

}  // namespace
}  // namespace zunpeko
