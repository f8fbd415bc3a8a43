// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zunpeko {

// Lets assistive technology read a hyperlink label as a link named by its
// caption, whose press action opens it as a click does. Each link calls it
// when made; the interfaces are made only when something asks for them.
void InstallAccessibleLinks();

}  // namespace zunpeko
