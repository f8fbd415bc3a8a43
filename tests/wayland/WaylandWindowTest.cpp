// SPDX-License-Identifier: GPL-3.0-or-later
// The main window, the hint popup and the name prompt under a real Wayland
// compositor (the test's own headless weston), where the compositor, not the
// program, places windows and the program sees the pointer only over its
// own surfaces.
//
// Input: in-process, through Qt's own event delivery on the wayland platform
// (QTest mouse and key events on the windows); weston's headless backend has
// no pointer or keyboard of its own. Window-system requests (maximise, close)
// go through QWindow, the way Qt's own title bar sends them. Where pixels
// matter, weston's screenshooter shows what the compositor composed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <csignal>
#include <iostream>

#include "Cp932.h"
#include "EndOnSignal.h"
#include "ScreenCapture.h"
#include "ScreenStates.h"
#include "StoreFile.h"
#include "URLLink.h"
#include "Unit1.h"
#include "WindowFakes.h"

namespace zunpeko::testing {
namespace {

constexpr int kComposeMs = 20'000;

// Key by key into whatever has the focus in `window`.
void TypeInto(QWindow& window, const char* text) {
    for (; *text != '\0'; ++text) {
        QTest::keyClick(&window, *text);
    }
}

class OnWayland : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(zunpeko::testing::OnWayland()) << "run this program under weston";
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        // Without a keyboard, weston may never activate the window; the
        // menu's shortcuts work only in the active window.
        QApplication::setActiveWindow(&form);
    }

    void Key(Qt::Key key) { QTest::keyClick(form.windowHandle(), key); }

    // Where the client area's top-left lies in weston's output, once it
    // shows what Qt drew there.
    std::optional<QPoint> ClientInOutput() {
        const QImage drawn = form.Surface()->grab().toImage();
        QElapsedTimer waited;
        waited.start();
        std::optional<QPoint> at;
        while (!at && waited.elapsed() < kComposeMs) {
            QTest::qWait(20);
            at = FindExactly(CaptureOutput(), drawn);
        }
        return at;
    }

    // Made before the window loads it: a table every game beats.
    struct StoredFirst {
        StoredFirst() { StoreTableEveryGameBeats(); }
    } stored;
    WindowFakes platform;
    TForm1 form{platform.Clock(), platform.Sound()};
};

TEST_F(OnWayland, TheWindowHasItsTitleIconAndFixedClientSizeEvenWhenAskedToMaximise) {
    EXPECT_EQ(form.windowHandle()->title(), QStringLiteral("ズンぺこ ver1.0"));
    EXPECT_FALSE(form.windowHandle()->icon().isNull());
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    const QSize window = form.size();
    EXPECT_EQ(form.Surface()->size(), QSize(442, 334));
    EXPECT_EQ(form.windowHandle()->minimumSize(), form.windowHandle()->maximumSize());
    const auto before = ClientInOutput();
    ASSERT_TRUE(before) << "the window never showed in weston's output";

    // What the maximise button of Qt's title bar asks of the compositor.
    form.windowHandle()->setWindowStates(Qt::WindowMaximized);
    QTRY_VERIFY_WITH_TIMEOUT(form.windowHandle()->windowStates().testFlag(Qt::WindowMaximized),
                             kComposeMs);
    EXPECT_EQ(form.size(), window);
    EXPECT_EQ(form.Surface()->size(), QSize(442, 334));
    // The compositor still shows the same client area, whole.
    const auto after = ClientInOutput();
    EXPECT_TRUE(after) << "the client area changed on the screen";
}

TEST_F(OnWayland, TheHintPopupShowsAtItsOffsetFromThePointerWithoutFocusAndHidesOnLeave) {
    Key(Qt::Key_F1);
    ASSERT_TRUE(form.Pnl_Help->isVisible());
    const auto client = ClientInOutput();
    ASSERT_TRUE(client) << "the help screen never showed in weston's output";
    QWidget* const focused = QApplication::focusWidget();

    TURLLink& link = *form.URLLink1;
    const QPoint pointer = link.mapTo(form.Surface(), QPoint(5, 4));
    QTest::mouseMove(form.windowHandle(), form.Surface()->mapTo(&form, pointer));
    QTRY_VERIFY_WITH_TIMEOUT(link.HintShown(), 5000);
    QWidget& popup = *link.HintForm();
    QTRY_VERIFY_WITH_TIMEOUT(QTest::qWaitForWindowExposed(&popup, 100), kComposeMs);
    EXPECT_EQ(QApplication::focusWidget(), focused);
    EXPECT_EQ(QApplication::activeWindow(), &form);
    EXPECT_FALSE(popup.isActiveWindow());

    // In the output: the popup's top-left lies at the pointer plus the
    // offsets, the pointer taken over the window's client area.
    const QImage drawn = popup.grab().toImage();
    std::optional<QPoint> at;
    QElapsedTimer waited;
    waited.start();
    while (!at && waited.elapsed() < kComposeMs) {
        QTest::qWait(20);
        at = FindExactly(CaptureOutput(), drawn);
    }
    ASSERT_TRUE(at) << "the popup never showed in weston's output";
    EXPECT_EQ(*at - *client, pointer + QPoint(link.HintOffsetX(), link.HintOffsetY()));

    // Moving on the label leaves it where it is; moving off hides it.
    QTest::mouseMove(form.windowHandle(), form.Surface()->mapTo(&form, pointer + QPoint(3, 1)));
    EXPECT_TRUE(popup.isVisible());
    QTest::mouseMove(form.windowHandle(), form.Surface()->mapTo(&form, QPoint(30, 300)));
    QTRY_VERIFY_WITH_TIMEOUT(!popup.isVisible(), 5000);
    EXPECT_FALSE(link.HintShown());
}

// The game's own timers and waits on the real clock, with every repaint of
// a slide going to the compositor, which paces the frames.
class TimingOnWayland : public ::testing::Test {
  protected:
    void SetUp() override {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        QApplication::setActiveWindow(&form);
    }

    void Key(Qt::Key key) { QTest::keyClick(form.windowHandle(), key); }

    // Runs the event loop until `done`, at most `limitMs`; the time it took.
    static qint64 MsUntil(const std::function<bool()>& done, int limitMs) {
        QElapsedTimer waited;
        waited.start();
        while (!done() && waited.elapsed() < limitMs) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        }
        return waited.elapsed();
    }

    // Slack for a loaded machine; the lower bounds are the rules'.
    static constexpr qint64 kSlackMs = 700;

    WindowFakes platform;
    const bool realClock_ = (platform.realClock = true);
    TForm1 form{platform.Clock(), platform.Sound()};
};

TEST_F(TimingOnWayland, TheSlideTakesItsTwoWaitsAndTheCountdownItsThreeSeconds) {
    QElapsedTimer started;
    started.start();
    Key(Qt::Key_F5);  // returns when the slide is over
    const qint64 slide = started.elapsed();
    EXPECT_GE(slide, 200);
    EXPECT_LT(slide, 200 + kSlackMs);
    EXPECT_FALSE(form.Pnl_TT->isVisible());

    const qint64 countdown = MsUntil([&] { return form.Timer2->Enabled(); }, 3000 + 5 * kSlackMs);
    EXPECT_TRUE(form.Timer2->Enabled());
    // Qt's coarse countdown timer may fire each second up to 5 % early, and
    // the time is taken from the end of the start, a little after the
    // countdown began.
    EXPECT_GE(countdown, 3 * 950 - 100);
    EXPECT_LT(countdown, 3000 + kSlackMs);
    std::cout << "slide " << slide << " ms, countdown " << countdown << " ms\n";
    EXPECT_FALSE(form.Lbl_Cnt1->isVisible());
}

TEST_F(TimingOnWayland, AStopDuringTheStartSlideLeavesTheTitleScreenAsOnX11) {
    // Arrives while the slide waits, as a key pressed then would.
    QTimer::singleShot(50, [&] { Key(Qt::Key_F6); });
    Key(Qt::Key_F5);
    ExpectScreen(form, Screen::Title);
    EXPECT_TRUE(form.Engine().State().Muted);
    // Nothing of the cancelled start goes on: no countdown step comes.
    MsUntil([&] { return form.Timer1->Enabled() || form.Timer2->Enabled(); }, 1300);
    ExpectScreen(form, Screen::Title);
}

// Opens the name prompt and hands it to `whileOpen`; the table every game
// beats makes the stop of a game of 0 points ask.
class PromptOnWayland : public OnWayland {
  protected:
    void SetUp() override {
        OnWayland::SetUp();
        ASSERT_FALSE(HasFatalFailure());
    }

    void StopAndAnswer(const std::function<void(QDialog&)>& whileOpen) {
        bool asked = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto* prompt = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (asked || prompt == nullptr || !prompt->windowHandle() ||
                !prompt->windowHandle()->isExposed()) {
                return;
            }
            asked = true;
            watch.stop();
            // Nor is the prompt activated without a keyboard.
            QApplication::setActiveWindow(prompt);
            whileOpen(*prompt);
        });
        watch.start(10);
        QApplication::setActiveWindow(&form);
        Key(Qt::Key_F5);
        platform.clock.Advance(3000);
        Key(Qt::Key_F6);
        EXPECT_TRUE(asked) << "the stop asked for no name";
    }

    static QByteArray FirstName() { return NameAt(1); }

    static QByteArray NameAt(int rank) {
        const QByteArray text = StoredText();
        const QByteArray key = "\"SName" + QByteArray::number(rank) + "\"=\"";
        const qsizetype from = text.indexOf(key) + key.size();
        return text.mid(from, text.indexOf('"', from) - from);
    }
};

TEST_F(PromptOnWayland, IsModalOverTheMainWindowAndAnswersEnterEscAndTheCloseBox) {
    StopAndAnswer([&](QDialog& prompt) {
        EXPECT_TRUE(prompt.isModal());
        EXPECT_EQ(prompt.windowHandle()->transientParent(), form.windowHandle());
        // A press on the main window's START!! does not get through.
        QTest::mouseClick(form.Button2, Qt::LeftButton);
        EXPECT_EQ(QApplication::activeModalWidget(), &prompt);
        QTest::keyClick(prompt.windowHandle(), Qt::Key_Escape);
    });
    EXPECT_EQ(FirstName(), QByteArray::fromStdString(SjisFromUtf8("権兵衛")));

    StopAndAnswer([&](QDialog& prompt) {
        TypeInto(*prompt.windowHandle(), "Wl");
        QTest::keyClick(prompt.windowHandle(), Qt::Key_Return);
    });
    // Each game of 0 points enters below the earlier ones.
    EXPECT_EQ(NameAt(2), QByteArray("Wl"));

    StopAndAnswer([&](QDialog& prompt) {
        TypeInto(*prompt.windowHandle(), "typed");
        prompt.windowHandle()->close();  // what the compositor's close request does
    });
    EXPECT_EQ(NameAt(3), QByteArray::fromStdString(SjisFromUtf8("権兵衛")));
}

// Told to end, as the desktop does at log-out: the program's own handler
// closes what is open and leaves the event loop.
class EndingOnWayland : public PromptOnWayland {
  protected:
    const EndOnSignal endOnSignal;
};

TEST_F(EndingOnWayland, SigtermDuringThePromptRecordsTheAnonymousNameAndEnds) {
    StopAndAnswer([&](QDialog& prompt) {
        TypeInto(*prompt.windowHandle(), "typed");
        std::raise(SIGTERM);
        // The prompt's own event loop is left when the program quits.
        QTRY_VERIFY_WITH_TIMEOUT(!prompt.isVisible(), kComposeMs);
    });
    EXPECT_EQ(FirstName(), QByteArray::fromStdString(SjisFromUtf8("権兵衛")));
    EXPECT_FALSE(form.isVisible());
}

TEST_F(EndingOnWayland, SigtermDuringAGameClosesTheWindowKeepingTheSavedTable) {
    Key(Qt::Key_F5);
    platform.clock.Advance(3500);
    ASSERT_TRUE(form.Timer2->Enabled());
    const QByteArray saved = StoredText();
    // The application's event loop, as main() runs it, ends with status 0;
    // 1 if it was still running after a while.
    QTimer::singleShot(kComposeMs, [] { QCoreApplication::exit(1); });
    QTimer::singleShot(0, [] { std::raise(SIGTERM); });
    EXPECT_EQ(QApplication::exec(), 0) << "still running after SIGTERM";
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(StoredText(), saved);
    EXPECT_FALSE(saved.isEmpty());
}

TEST_F(EndingOnWayland, TheCompositorsCloseRequestClosesTheWindow) {
    Key(Qt::Key_F5);
    platform.clock.Advance(3500);
    // What the close box of the title bar sends; the last window closed
    // ends the application's event loop with status 0.
    QTimer::singleShot(kComposeMs, [] { QCoreApplication::exit(1); });
    QTimer::singleShot(0, [&] { form.windowHandle()->close(); });
    EXPECT_EQ(QApplication::exec(), 0) << "still running after the close";
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.Closing);
}

}  // namespace
}  // namespace zunpeko::testing
