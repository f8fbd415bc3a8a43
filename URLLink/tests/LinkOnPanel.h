// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QTest>
#include <QWidget>
#include <utility>
#include <vector>

#include "Cp932.h"
#include "URLLink.h"

namespace zunpeko::testing {

// Keeps every target instead of starting a browser.
class RecordingOpener : public LinkOpener {
  public:
    void Open(const SjisText& target) override { opened.push_back(target); }
    std::vector<SjisText> opened;
};

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* watched) { watched->installEventFilter(this); }
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
    int paints = 0;
};

// A window with a panel carrying one hyperlink label, as on the help screen.
// The pointer is driven through the window system (QTest on the QWindow), so
// enter and leave come from Qt's own hover tracking, not from the test.
class LinkOnPanel : public ::testing::Test {
  protected:
    LinkOnPanel() {
        window.resize(300, 120);
        panel = new QWidget(&window);
        panel->setGeometry(0, 0, 300, 120);
        link = new TURLLink(panel);
        link->move(20, 30);
        link->SetCaption(SjisFromUtf8("作者のホームページ"));
        link->SetOpener(&opener);
        link->SetCursorPosSource([this] { return pointer; });
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        if (QGuiApplication::platformName() == QStringLiteral("wayland")) {
            // Activation is the compositor's, and a headless one without a
            // keyboard never grants it; Qt tracks hover in the active window.
            QApplication::setActiveWindow(&window);
        } else {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        }
        PointerTo(kOffLink);
    }

    void PointerTo(QPoint inWindow) { QTest::mouseMove(window.windowHandle(), inWindow); }
    QPoint OnLink(QPoint inLink = {3, 3}) const { return link->mapTo(&window, inLink); }
    // Enters the label and moves once inside it, as a pointer sliding over it does.
    void Hover() {
        PointerTo(OnLink({2, 2}));
        PointerTo(OnLink({4, 3}));
    }
    void Press(Qt::MouseButton button) {
        QTest::mousePress(window.windowHandle(), button, {}, OnLink());
    }
    void Release(Qt::MouseButton button) {
        QTest::mouseRelease(window.windowHandle(), button, {}, OnLink());
    }
    void Click(Qt::MouseButton button) {
        Press(button);
        Release(button);
    }
    bool PopupVisible() const { return link->HintForm()->isVisible(); }
    QColor CaptionColor() const { return link->Font().color; }

    // How often the label repaints because of action (pending repaints are
    // delivered before and after it).
    template <typename Action>
    int PaintsAfter(Action&& action) {
        QApplication::processEvents();
        PaintCounter counter(link);
        std::forward<Action>(action)();
        QApplication::processEvents();
        return counter.paints;
    }

    static constexpr QPoint kOffLink{280, 110};

    RecordingOpener opener;
    QPoint pointer{100, 200};
    QWidget window;
    QWidget* panel = nullptr;
    TURLLink* link = nullptr;
};

}  // namespace zunpeko::testing
