// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zunpeko {

// Lets assistive technology read the controls that paint themselves: labels
// and captioned panels as their captions, bare panels as groups, the
// window's surface with its picture. Each control calls it when made; the
// interfaces themselves are made only when something asks for them.
void InstallAccessibleControls();

}  // namespace zunpeko
