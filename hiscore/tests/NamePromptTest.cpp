#include <gtest/gtest.h>

#include <QApplication>
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
#include "DialogNamePrompt.h"
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
// run the event loop before the box counts as modal). Nothing happens if no
// box opened.
class PromptDriver final : public QObject {
  public:
    void WhenOpen(std::function<void(QDialog&)> action) {
        action_ = std::move(action);
        startTimer(0);
    }

  protected:
    void timerEvent(QTimerEvent* event) override {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            killTimer(event->timerId());
            std::exchange(action_, nullptr)(*dialog);
        }
    }

  private:
    std::function<void(QDialog&)> action_;
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

class NamePromptTest : public ::testing::Test {
  protected:
    SjisText Ask() {
        return prompt.Ask(SjisFromUtf8("ハイスコア！！名前を入れてください。"),
                          SjisFromUtf8("ずんぺこ"), kDefault);
    }

    const SjisText kDefault = SjisFromUtf8("権兵衛");
    DialogNamePrompt prompt;
    PromptDriver driver;
};

TEST_F(NamePromptTest, ShowsItsTextsLaidOutInUnitsOfTheWindowFontCentredOnTheScreen) {
    driver.WhenOpen([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ハイスコア！！名前を入れてください。"));
        EXPECT_EQ(Part<QLabel>(dialog, "promptLine").text(), QStringLiteral("ずんぺこ"));
        auto& edit = Part<QLineEdit>(dialog, "nameEdit");
        EXPECT_EQ(edit.selectedText(), QStringLiteral("権兵衛"));
        EXPECT_EQ(dialog.focusWidget(), &edit);
        auto& ok = Part<QPushButton>(dialog, "okButton");
        auto& cancel = Part<QPushButton>(dialog, "cancelButton");
        EXPECT_TRUE(ok.text() == "OK" && ok.isDefault());
        EXPECT_EQ(cancel.text(), QStringLiteral("ｷｬﾝｾﾙ"));

        EXPECT_EQ(dialog.font(), DefaultFont().face);
        const DialogUnits units = MeasureDialogUnits(dialog.font());
        EXPECT_GE(units.width * units.height, 4 * 12);  // a real 12-pixel font
        const PromptGeometry expected = LayOutPrompt(units);
        EXPECT_EQ(dialog.minimumSize(), expected.client);  // fixed in size
        EXPECT_EQ(dialog.maximumSize(), expected.client);
        EXPECT_EQ(Part<QLabel>(dialog, "promptLine").pos(), expected.promptLine);
        EXPECT_EQ(edit.pos(), expected.edit);
        EXPECT_EQ(edit.width(), expected.editWidth);
        EXPECT_EQ(ok.geometry(), expected.okButton);
        EXPECT_EQ(cancel.geometry(), expected.cancelButton);
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

TEST_F(NamePromptTest, ClosingTheProgramCancelsAnOpenPromptAndSkipsLaterOnes) {
    driver.WhenOpen([this](QDialog& dialog) {
        Type(Part<QLineEdit>(dialog, "nameEdit"), QStringLiteral("typed"));
        prompt.CancelForClosing();
    });
    EXPECT_EQ(Ask(), kDefault);
    EXPECT_FALSE(prompt.IsOpen());

    bool opened = false;  // a box shown now would be closed by this
    driver.WhenOpen([&opened](QDialog& dialog) {
        opened = true;
        dialog.accept();
    });
    EXPECT_EQ(Ask(), kDefault);
    EXPECT_FALSE(opened);
}

}  // namespace
}  // namespace zunpeko
