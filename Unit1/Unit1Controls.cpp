// SPDX-License-Identifier: GPL-3.0-or-later
// Binds TForm1's named members to the controls the window definition created.
#include <QMenu>
#include <QMenuBar>
#include <stdexcept>
#include <string>

#include "Unit1.h"

namespace zunpeko {
namespace {

template <typename Control>
void Bind(const QObject& root, Control*& member, const char* name) {
    member = root.findChild<Control*>(QString::fromLatin1(name));
    if (member == nullptr) {
        throw std::logic_error(std::string("window definition: no control named ") + name);
    }
}

}  // namespace

// The member's own name is the name it is looked up by.
#define ZUNPEKO_BIND(root, member) Bind(root, member, #member)

void TForm1::BindControls() {
    const QWidget& surface = *surface_;
    ZUNPEKO_BIND(surface, Lbl_Cnt2);
    ZUNPEKO_BIND(surface, Label15);
    ZUNPEKO_BIND(surface, Label16);
    ZUNPEKO_BIND(surface, Label17);
    ZUNPEKO_BIND(surface, Lbl_Cnt1);
    ZUNPEKO_BIND(surface, Image1);
    ZUNPEKO_BIND(surface, Lbl_Tim);
    ZUNPEKO_BIND(surface, Pnl_Sc);

    ZUNPEKO_BIND(surface, Pnl_TT);
    ZUNPEKO_BIND(surface, Label19);
    ZUNPEKO_BIND(surface, Label18);
    ZUNPEKO_BIND(surface, Panel2);
    ZUNPEKO_BIND(surface, Panel3);
    ZUNPEKO_BIND(surface, Panel5);
    ZUNPEKO_BIND(surface, Panel4);
    ZUNPEKO_BIND(surface, Panel6);
    ZUNPEKO_BIND(surface, Button2);
    ZUNPEKO_BIND(surface, Panel7);

    ZUNPEKO_BIND(surface, Pnl_HSC);
    ZUNPEKO_BIND(surface, Label1);
    ZUNPEKO_BIND(surface, Label3);
    ZUNPEKO_BIND(surface, Label4);
    ZUNPEKO_BIND(surface, Label5);
    ZUNPEKO_BIND(surface, Label6);
    ZUNPEKO_BIND(surface, Label7);
    ZUNPEKO_BIND(surface, Label8);
    ZUNPEKO_BIND(surface, Label9);
    ZUNPEKO_BIND(surface, Label10);
    ZUNPEKO_BIND(surface, Label11);
    ZUNPEKO_BIND(surface, Button1);
    ZUNPEKO_BIND(surface, Panel1);
    ZUNPEKO_BIND(surface, Label12);
    ZUNPEKO_BIND(surface, Label13);
    ZUNPEKO_BIND(surface, Label14);

    ZUNPEKO_BIND(surface, Pnl_Help);
    ZUNPEKO_BIND(surface, Label23);
    ZUNPEKO_BIND(surface, Label24);
    ZUNPEKO_BIND(surface, Label25);
    ZUNPEKO_BIND(surface, Label26);
    ZUNPEKO_BIND(surface, Label30);
    ZUNPEKO_BIND(surface, Label27);
    ZUNPEKO_BIND(surface, URLLink1);
    ZUNPEKO_BIND(surface, URLLink2);
    ZUNPEKO_BIND(surface, Panel9);
    ZUNPEKO_BIND(surface, Label20);
    ZUNPEKO_BIND(surface, Label21);
    ZUNPEKO_BIND(surface, Label22);
    ZUNPEKO_BIND(surface, Button3);
}

void TForm1::BindMenu() {
    const QMainWindow& window = *this;
    ZUNPEKO_BIND(window, MainMenu1);
    ZUNPEKO_BIND(window, N1);
    ZUNPEKO_BIND(window, S1);
    ZUNPEKO_BIND(window, N2);
    ZUNPEKO_BIND(window, Exit1);
    ZUNPEKO_BIND(window, About1);
    ZUNPEKO_BIND(window, Help1);
    ZUNPEKO_BIND(window, N3);
}

#undef ZUNPEKO_BIND

}  // namespace zunpeko
