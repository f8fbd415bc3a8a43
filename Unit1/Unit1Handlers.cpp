// TForm1's event handlers. Each runs through RunHandler (see WireEvents).
#include "Colors.h"
#include "Unit1.h"

namespace zunpeko {

void TForm1::FormCreate() {
    SetColor(colors::kPaleYellow);
    Pnl_Sc->SetColor(colors::kPaleYellow);
    // The definition leaves the title panel off to the side; the title screen
    // has it covering the whole client area.
    Pnl_TT->move(0, 0);
}

void TForm1::FormClose() {}

void TForm1::FormMouseDown(Qt::MouseButton /*button*/, Qt::KeyboardModifiers /*shift*/, int /*x*/,
                           int /*y*/) {}

void TForm1::S1Click() {}

void TForm1::N2Click() {}

void TForm1::N3Click() {}

void TForm1::Help1Click() {}

void TForm1::Exit1Click() {
    close();
}

void TForm1::Button1Click() {}

void TForm1::Button3Click() {}

void TForm1::Timer1Timer() {}

void TForm1::Timer2Timer() {}

}  // namespace zunpeko
