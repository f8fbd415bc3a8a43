// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>

#include "Cp932.h"
#include "PlatformError.h"
#include "SjisText.h"

class QWidget;

namespace zunpeko {

// The title of the program's message boxes (and its task-bar name).
void SetApplicationTitle(const SjisText& title);
const SjisText& ApplicationTitle();

// An error text as the error box shows it: followed by "." unless it is empty,
// already ends in ".", or ends in a one-byte character whose code is below "."
// (a two-byte last character always counts as above).
SjisText WithClosingPeriod(const SjisText& text);

// Shows `text` (after WithClosingPeriod) in a modal box titled with the
// application title, with the error icon and one OK button.
void ShowErrorBox(QWidget* owner, const SjisText& text);

// Runs one event handler. An error it raises ends it and is reported in the
// error box; the program goes on. Nothing escapes into Qt's event loop.
template <typename Handler>
void RunHandler(QWidget* owner, Handler&& handler) noexcept {
    try {
        handler();
    } catch (const PlatformError& error) {
        ShowErrorBox(owner, error.Text());
    } catch (const std::exception& error) {
        ShowErrorBox(owner, SjisFromUtf8(error.what()));
    }
}

}  // namespace zunpeko
