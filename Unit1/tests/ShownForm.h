#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QWindow>

#include "Unit1.h"

namespace zunpeko::testing {

// The main window, shown and active, driven through its QWindow so presses
// and keys are routed the way the window system routes them.
class ShownForm : public ::testing::Test {
  protected:
    void SetUp() override {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // A left press at a point of the client area.
    void PressAt(QPoint client) {
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                          form.Surface()->mapTo(&form, client));
    }

    void Key(Qt::Key key) { QTest::keyClick(form.windowHandle(), key); }

    TForm1 form;
};

}  // namespace zunpeko::testing
