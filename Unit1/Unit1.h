// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "BoardRenderer.h"
#include "Button.h"
#include "CustomLabel.h"
#include "FileRegistry.h"
#include "FormClock.h"
#include "FormSound.h"
#include "FormSurface.h"
#include "Game.h"
#include "GameHost.h"
#include "HiScoreDisplay.h"
#include "HiScoreTable.h"
#include "Image.h"
#include "NamePrompt.h"
#include "Panel.h"
#include "Random.h"
#include "URLLink.h"

namespace zunpeko {

// The main window. It owns every control of the window definition for its
// whole life, each reachable by its name, the menu, the two timers, the sound,
// the hi-score table with its store and name prompt, the game and the board's
// images; its handlers are the program's event handlers, each run through
// RunHandler so an error ends only that handler and is reported.
//
// Construction throws PlatformError when a sound player cannot open its file:
// the program cannot start then.
class TForm1 : public QMainWindow, public GameHost, private NamePrompt, private HiScoreDisplay {
    Q_OBJECT

  public:
    // The window's timers and waits come from `clock`, which outlives it.
    // Without `sound` the window plays through the game's own players.
    explicit TForm1(FormClock& clock, std::unique_ptr<FormSound> sound = nullptr,
                    QWidget* parent = nullptr);
    ~TForm1() override;

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
    FormTimer* Timer1 = nullptr;
    FormTimer* Timer2 = nullptr;

    // The window's own state.
    int Countdown = 0;     // digits still to show before the game starts
    bool Closing = false;  // the window has begun to close
    QString ExeDir;        // the executable's folder, ending in "/"

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

    // Keeps the event loop running for `ms` milliseconds; returns at once
    // once the window is closing.
    void Delay(int ms);
    // Repaints the whole window at once, without the board: the board area
    // stays blank until the next tick draws it.
    void RepaintNow();

    // Draws the board from the field as it is now, at (50, 60).
    void DrawBoard() override;
    // The off-screen image the board is composed in (made by FormCreate).
    const QImage* Offscreen() const;

    Game& Engine() { return game_; }
    RandomGenerator& Random() { return random_; }
    FormSound& Sound() { return *sound_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // What the game asks of the window (DrawBoard above).
    void SetTimeLabel(const SjisText& text) override;
    void RepaintTimeLabelNow() override;
    void SetScoreText(const SjisText& text) override;
    void PlayHitSound() override;
    bool StopGame() override;
    std::int32_t TickPeriod() const override;
    void SetTickPeriod(std::int32_t ms) override;
    void SetTickEnabled(bool enabled) override;

    // What the hi-score table asks of the window.
    SjisText Ask(const SjisText& title, const SjisText& promptLine,
                 const SjisText& defaultText) override;
    void ShowEntry(int rank, const SjisText& name, const SjisText& score) override;
    void ThenTellOfKeptCopy(const std::function<void()>& storeWork);

    void ApplyWindowDefinition();
    void BindControls();
    void BindMenu();
    void MakeTimers();
    void LoadPictures();
    void WireEvents();
    void FocusFirstTabStop();
    void CenterOnScreen();
    void PaintBoard(QPainter& painter) const;

    // The flow's parts (Unit1Flow.cpp).
    void LoadHiScores();
    bool SlideTitlePanel(QPoint to, unsigned procedure);
    void EnableTitleCommands();
    void FinishStoppedGame();

    // Connects `signal` of `source` to a handler run through RunHandler.
    template <typename Source, typename Signal>
    void Wire(Source* source, Signal signal, void (TForm1::*handler)());

    FormClock& clock_;
    TFormSurface* surface_ = nullptr;
    bool centered_ = false;

    RandomGenerator random_;
    Game game_{*this, random_};
    std::unique_ptr<FormTimer> timer1_;
    std::unique_ptr<FormTimer> timer2_;
    std::unique_ptr<FormSound> sound_;
    FileRegistry store_{FileRegistry::DefaultFilePath()};
    // After the store: it closes its key there when it goes.
    HiScoreTable hiScores_{store_, *this, *this};
    std::optional<BoardRenderer> renderer_;
    bool boardShown_ = false;
    bool hiScoresLoadTried_ = false;

    // Where the screen is between starts and stops.
    enum class Phase {
        kTitle,     // no game: the title screen, perhaps with a panel over it
        kStarting,  // a start slides the title panel out; the score is still the last game's
        kPlaying,   // the countdown, then the game
        kStopping,  // a stop ended the game; its hi-score check is still to come
    };
    Phase phase_ = Phase::kTitle;
    // Starts and stops can interrupt each other's slides (the waits take
    // input). Each one is numbered; one that finds a later one ran while it
    // waited leaves the screen, menu and timers to that one.
    unsigned procedures_ = 0;
};

}  // namespace zunpeko
