// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QMainWindow>
#include <QSignalSpy>
#include <QTest>

#include "Button.h"
#include "Cp932.h"

namespace zunpeko {
namespace {

// Buttons live in a main window, not a dialog, where Qt leaves Enter alone
// unless told otherwise.
class ButtonInMainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        window.setCentralWidget(new QWidget);
        button = new TButton(window.centralWidget());
        button->SetCaption(SjisFromUtf8("START!!"));
        button->setGeometry(10, 10, 100, 40);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        button->setFocus();
    }

    QMainWindow window;  // keys go to its QWindow, which hands them to the focus widget
    TButton* button = nullptr;
};

TEST_F(ButtonInMainWindow, IsDrawnAsTheDefaultAndPressedByReturnEnterAndSpaceWhenFocused) {
    ASSERT_TRUE(button->hasFocus());
    EXPECT_TRUE(button->isDefault());
    QSignalSpy clicks(button, &QPushButton::clicked);
    QTest::keyClick(window.windowHandle(), Qt::Key_Return);
    EXPECT_EQ(clicks.size(), 1);
    QTest::keyClick(window.windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicks.size(), 2);
    QTest::keyClick(window.windowHandle(), Qt::Key_Space);
    EXPECT_EQ(clicks.size(), 3);
}

}  // namespace
}  // namespace zunpeko
