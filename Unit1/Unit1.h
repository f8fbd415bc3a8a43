#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "Button.h"
#include "CustomLabel.h"
#include "FormSurface.h"
#include "Image.h"
#include "Panel.h"
#include "URLLink.h"

namespace zunpeko {

// The main window. It owns every control of the window definition for its
// whole life, each reachable by its name, the menu and the two timers; its
// handlers are the program's event handlers, each run through RunHandler so an
// error ends only that handler and is reported.
class TForm1 : public QMainWindow {
    Q_OBJECT

  public:
    explicit TForm1(QWidget* parent = nullptr);

    // The window's own surface (its client area) and the window's colour.
    TFormSurface* Surface() const { return surface_; }
    QColor Color() const;
    void SetColor(const QColor& color);

    // The window definition's controls, by name. Main area:
    TCustomLabel* Lbl_Cnt2 = nullptr;
    TCustomLabel* Label15 = nullptr;
    TCustomLabel* Label16 = nullptr;
    TCustomLabel* Label17 = nullptr;
    TCustomLabel* Lbl_Cnt1 = nullptr;
    TImage* Image1 = nullptr;
    TCustomLabel* Lbl_Tim = nullptr;
    TPanel* Pnl_Sc = nullptr;
    // Title panel:
    TPanel* Pnl_TT = nullptr;
    TCustomLabel* Label19 = nullptr;
    TCustomLabel* Label18 = nullptr;
    TPanel* Panel2 = nullptr;
    TPanel* Panel3 = nullptr;
    TPanel* Panel5 = nullptr;
    TPanel* Panel4 = nullptr;
    TPanel* Panel6 = nullptr;
    TButton* Button2 = nullptr;
    TPanel* Panel7 = nullptr;
    // Hi-score panel:
    TPanel* Pnl_HSC = nullptr;
    TCustomLabel* Label1 = nullptr;
    TCustomLabel* Label3 = nullptr;
    TCustomLabel* Label4 = nullptr;
    TCustomLabel* Label5 = nullptr;
    TCustomLabel* Label6 = nullptr;
    TCustomLabel* Label7 = nullptr;
    TCustomLabel* Label8 = nullptr;
    TCustomLabel* Label9 = nullptr;
    TCustomLabel* Label10 = nullptr;
    TCustomLabel* Label11 = nullptr;
    TButton* Button1 = nullptr;
    TPanel* Panel1 = nullptr;
    TCustomLabel* Label12 = nullptr;
    TCustomLabel* Label13 = nullptr;
    TCustomLabel* Label14 = nullptr;
    // Help panel:
    TPanel* Pnl_Help = nullptr;
    TCustomLabel* Label23 = nullptr;
    TCustomLabel* Label24 = nullptr;
    TCustomLabel* Label25 = nullptr;
    TCustomLabel* Label26 = nullptr;
    TCustomLabel* Label30 = nullptr;
    TCustomLabel* Label27 = nullptr;
    TURLLink* URLLink1 = nullptr;
    TURLLink* URLLink2 = nullptr;
    TPanel* Panel9 = nullptr;
    TCustomLabel* Label20 = nullptr;
    TCustomLabel* Label21 = nullptr;
    TCustomLabel* Label22 = nullptr;
    TButton* Button3 = nullptr;
    // Menu:
    QMenuBar* MainMenu1 = nullptr;
    QMenu* N1 = nullptr;
    QAction* S1 = nullptr;
    QAction* N2 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* About1 = nullptr;
    QAction* Help1 = nullptr;
    QAction* N3 = nullptr;
    // Timers: the countdown and the game tick.
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;

    // Event handlers, wired as the window definition says.
    void FormCreate();
    void FormClose();
    void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void S1Click();
    void N2Click();
    void N3Click();
    void Help1Click();
    void Exit1Click();
    void Button1Click();
    void Button3Click();
    void Timer1Timer();
    void Timer2Timer();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void ApplyWindowDefinition();
    void BindControls();
    void BindMenu();
    void LoadPictures();
    void WireEvents();
    void FocusFirstTabStop();
    void CenterOnScreen();

    // Connects `signal` of `source` to a handler run through RunHandler.
    template <typename Source, typename Signal>
    void Wire(Source* source, Signal signal, void (TForm1::*handler)());

    TFormSurface* surface_ = nullptr;
    bool centered_ = false;
};

}  // namespace zunpeko
