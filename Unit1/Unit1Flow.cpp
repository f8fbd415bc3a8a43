// SPDX-License-Identifier: GPL-3.0-or-later
// TForm1's screen flow: start-up, the start and stop of a game with the
// sliding title panel, the countdown, and the hi-score and help panels.
#include <QCoreApplication>
#include <string>

#include "Colors.h"
#include "Cp932.h"
#include "ErrorBox.h"
#include "GameTexts.h"
#include "NamePromptDialog.h"
#include "Unit1.h"

namespace zunpeko {
namespace {

constexpr int kSlideStepMs = 100;
constexpr int kCountdownFrom = 3;

// Where the title panel passes on its way out (start) and back in (stop).
constexpr QPoint kOutFirst{-176, 136};
constexpr QPoint kOutSecond{-320, 256};
constexpr QPoint kInFirst{96, -64};
constexpr QPoint kInSecond{-168, 104};
constexpr QPoint kHome{0, 0};
constexpr QPoint kHiScoresAt{48, 16};
constexpr QPoint kHelpAt{16, 8};

}  // namespace

void TForm1::FormCreate() {
    renderer_.emplace(Image1->Picture());
    ExeDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    Closing = false;
    SetColor(colors::kPaleYellow);
    Pnl_Sc->SetColor(colors::kPaleYellow);
    // The definition leaves the title panel off to the side; the title screen
    // has it covering the whole client area.
    Pnl_TT->move(kHome);
    random_.SetSeed(clock_.MillisecondsSinceUtcMidnight());
    sound_->ReopenMusic(ExeDir);
    LoadHiScores();
}

void TForm1::LoadHiScores() {
    hiScoresLoadTried_ = true;
    ThenTellOfKeptCopy([this] { hiScores_.LoadHiScores(); });
}

void TForm1::S1Click() {
    // A start during the stop slide first finishes that stop's hi-score
    // check, while the score is still the stopped game's; if the save fails
    // the start goes on all the same.
    RunHandler(this, [this] { FinishStoppedGame(); });
    const unsigned procedure = ++procedures_;
    phase_ = Phase::kStarting;

    for (TCustomLabel* digit : {Lbl_Cnt1, Lbl_Cnt2}) {
        digit->SetCaption(SjisFromUtf8("3"));
        digit->show();
    }
    sound_->CutEndSound();
    Pnl_Sc->SetCaption(ScoreText(0));
    Lbl_Tim->SetCaption({});

    Button2->setEnabled(false);
    Pnl_HSC->hide();
    Pnl_Help->hide();
    Help1->setEnabled(false);
    N3->setEnabled(false);
    S1->setEnabled(false);
    N2->setEnabled(true);

    if (!SlideTitlePanel(kOutFirst, procedure) || !SlideTitlePanel(kOutSecond, procedure)) {
        return;  // stopped during the slide
    }
    game_.ResetGame();
    phase_ = Phase::kPlaying;
    Pnl_TT->hide();
    Countdown = kCountdownFrom;
    Timer1->SetEnabled(true);
    game_.State().Muted = false;
    sound_->StartMusic();
}

void TForm1::Timer1Timer() {
    --Countdown;
    if (Countdown != 0) {
        const SjisText digit = SjisFromUtf8(std::to_string(Countdown));
        Lbl_Cnt1->SetCaption(digit);
        Lbl_Cnt2->SetCaption(digit);
        return;
    }
    Lbl_Cnt1->hide();
    Lbl_Cnt2->hide();
    Timer1->SetEnabled(false);
    Timer2->SetEnabled(true);
}

void TForm1::Timer2Timer() {
    game_.Tick();
}

void TForm1::FormMouseDown(Qt::MouseButton /*button*/, Qt::KeyboardModifiers /*shift*/, int x,
                           int y) {
    game_.Press(x, y);
}

void TForm1::N2Click() {
    const unsigned procedure = ++procedures_;
    if (phase_ == Phase::kStarting) {
        // This stop cancels a start still sliding out: the game it ends never
        // began and scored nothing (the start would have cleared the score
        // left from the game before).
        game_.State().Score = 0;
    }
    phase_ = Phase::kStopping;

    sound_->StopMusic();
    game_.State().Muted = true;
    sound_->PlayEndSound();
    Timer1->SetEnabled(false);
    Timer2->SetEnabled(false);
    N2->setEnabled(false);
    S1->setEnabled(true);
    N3->setEnabled(true);

    Pnl_TT->show();
    Pnl_TT->move(kInFirst);
    Button2->setEnabled(true);
    RepaintNow();
    Delay(kSlideStepMs);
    if (procedure != procedures_ || !SlideTitlePanel(kInSecond, procedure)) {
        return;  // a start during the slide took over the screen
    }
    Pnl_TT->move(kHome);
    EnableTitleCommands();
    FinishStoppedGame();
}

bool TForm1::SlideTitlePanel(QPoint to, unsigned procedure) {
    Pnl_TT->move(to);
    RepaintNow();
    Delay(kSlideStepMs);
    return procedure == procedures_;
}

void TForm1::EnableTitleCommands() {
    // Normally all three; a panel opened during the stop slide keeps the
    // commands it had disabled.
    const bool hiScoresOpen = !Pnl_HSC->isHidden();
    const bool helpOpen = !Pnl_Help->isHidden();
    Button2->setEnabled(!hiScoresOpen && !helpOpen);
    Help1->setEnabled(!helpOpen);
    N3->setEnabled(!hiScoresOpen);
}

void TForm1::FinishStoppedGame() {
    if (phase_ != Phase::kStopping) {
        return;
    }
    phase_ = Phase::kTitle;
    ThenTellOfKeptCopy([this] { hiScores_.RecordGame(game_.State().Score); });
    // Not reached when the save fails: the last score shown stays.
    Panel7->SetCaption(ScoreText(game_.State().Score));
}

void TForm1::N3Click() {
    Button2->setEnabled(false);
    Help1->setEnabled(true);
    Pnl_Help->hide();
    Pnl_HSC->move(kHiScoresAt);
    Pnl_HSC->show();
    N3->setEnabled(false);
}

void TForm1::Button1Click() {
    Pnl_HSC->hide();
    N3->setEnabled(true);
    Button2->setEnabled(true);
}

void TForm1::Help1Click() {
    Button2->setEnabled(false);
    N3->setEnabled(true);
    Pnl_HSC->hide();
    Pnl_Help->move(kHelpAt);
    Pnl_Help->show();
    Help1->setEnabled(false);
}

void TForm1::Button3Click() {
    Pnl_Help->hide();
    Help1->setEnabled(true);
    Button2->setEnabled(true);
}

void TForm1::Exit1Click() {
    close();
}

void TForm1::FormClose() {
    Closing = true;
    // A name prompt open now closes as cancelled; later ones are not shown.
    if (auto* prompt = findChild<NamePromptDialog*>()) {
        prompt->reject();
    }
}

void TForm1::Delay(int ms) {
    if (Closing) {
        return;
    }
    clock_.Wait(ms);
}

}  // namespace zunpeko
