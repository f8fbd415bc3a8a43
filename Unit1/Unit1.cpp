// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit1.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "Colors.h"
#include "Cp932.h"
#include "ErrorBox.h"
#include "GameSound.h"
#include "SpriteSheetLayout.h"
#include "SpriteSheetResource.h"
#include "WindowBuilder.h"

namespace zunpeko {
namespace {

// A single border with the system menu and its close box; no minimise or
// maximise box.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowCloseButtonHint;

// What a screen reader calls the board.
constexpr std::string_view kBoardName = "もぐらの穴";

// The window icon: the fully risen mole's cell of the sheet, its background
// made see-through.
QIcon IconFromSheet(const QImage& sheet) {
    constexpr int kRisenMoleFrame = 2;
    const QRect cell(sprites::CellOrigin(kRisenMoleFrame),
                     QSize(sprites::kCellSize, sprites::kCellSize));
    QPixmap icon = QPixmap::fromImage(sheet.copy(cell));
    icon.setMask(icon.createMaskFromColor(colors::kPaleYellow));
    return QIcon(icon);
}

const layout::TimerDef& TimerNamed(std::string_view name) {
    for (const layout::TimerDef& row : layout::Timers()) {
        if (row.name == name) {
            return row;
        }
    }
    throw std::logic_error("window definition: no timer named " + std::string(name));
}

}  // namespace

TForm1::TForm1(FormClock& clock, std::unique_ptr<FormSound> sound, QWidget* parent)
    : QMainWindow(parent, kWindowFlags), clock_(clock), sound_(std::move(sound)) {
    // A save that finds another copy writing waits for it with the window
    // painting, rather than frozen.
    store_.SetLockWait([this](int ms) { clock_.WaitWithoutInput(ms); });
    ApplyWindowDefinition();
    BindControls();
    BindMenu();
    MakeTimers();
    // The players open their files with the window's controls, before any
    // creation step; a failure here is the caller's to report.
    if (!sound_) {
        sound_ = std::make_unique<GameSound>(
            [this](const PlatformError& error) { ShowErrorBox(this, error.Text()); });
    }
    sound_->OpenPlayers();
    WireEvents();
    RunHandler(this, [this] { FormCreate(); });
    // A failed re-opening of the music ends window creation before the
    // hi-score load; the table is loaded all the same, or every game would
    // be checked against an empty one and overwrite the stored table.
    if (!hiScoresLoadTried_) {
        RunHandler(this, [this] { LoadHiScores(); });
    }
    FocusFirstTabStop();
}

TForm1::~TForm1() = default;

QColor TForm1::Color() const {
    return surface_->Color();
}

void TForm1::SetColor(const QColor& color) {
    surface_->SetColor(color);
}

void TForm1::ApplyWindowDefinition() {
    const layout::WindowDef& window = layout::Window();
    setObjectName(QString::fromUtf8(layout::kWindowName.data(),
                                    static_cast<qsizetype>(layout::kWindowName.size())));
    setWindowTitle(ToDisplay(SjisFromUtf8(window.caption)));

    surface_ = new TFormSurface(this);
    surface_->setFont(FontOf(window.font).face);
    surface_->SetColor(ColorOf(window.color));
    // The client area has a fixed size and the window follows it: the window
    // cannot be resized, and the menu bar adds its own height above.
    surface_->setFixedSize(window.clientWidth, window.clientHeight);
    setCentralWidget(surface_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    BuildControls(*surface_);
    surface_->SetPaintHook([this](QPainter& painter) { PaintBoard(painter); });
    surface_->SetPicture(BoardRenderer::BoardRect(), SjisFromUtf8(kBoardName));

    // The menu belongs in the window even where the desktop offers a global menu bar.
    menuBar()->setNativeMenuBar(false);
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    // The window's face at the menu's own size: the desktop's default face
    // has no Japanese and would pull in a third font file for the captions.
    QFont menuFont = menuBar()->font();
    menuFont.setFamilies(surface_->font().families());
    menuBar()->setFont(menuFont);
    BuildMenu(*menuBar());

    LoadPictures();
}

void TForm1::MakeTimers() {
    const layout::TimerDef& countdown = TimerNamed("Timer1");
    const layout::TimerDef& tick = TimerNamed("Timer2");
    timer1_ = clock_.MakeTimer(countdown.intervalMs, countdown.precise);
    timer1_->SetEnabled(countdown.enabled);
    timer2_ = clock_.MakeTimer(tick.intervalMs, tick.precise);
    timer2_->SetEnabled(tick.enabled);
    Timer1 = timer1_.get();
    Timer2 = timer2_.get();
}

void TForm1::LoadPictures() {
    const QImage sheet = sprites::LoadSpriteSheet();
    surface_->findChild<TImage*>(QStringLiteral("Image1"))->SetPicture(sheet);
    if (!sheet.isNull()) {
        setWindowIcon(IconFromSheet(sheet));
    }
}

template <typename Source, typename Signal>
void TForm1::Wire(Source* source, Signal signal, void (TForm1::*handler)()) {
    connect(source, signal, this,
            [this, handler] { RunHandler(this, [&] { (this->*handler)(); }); });
}

void TForm1::WireEvents() {
    Wire(Button2, &QPushButton::clicked, &TForm1::S1Click);
    Wire(S1, &QAction::triggered, &TForm1::S1Click);
    Wire(N2, &QAction::triggered, &TForm1::N2Click);
    Wire(Exit1, &QAction::triggered, &TForm1::Exit1Click);
    Wire(Help1, &QAction::triggered, &TForm1::Help1Click);
    Wire(N3, &QAction::triggered, &TForm1::N3Click);
    Wire(Button1, &QPushButton::clicked, &TForm1::Button1Click);
    Wire(Button3, &QPushButton::clicked, &TForm1::Button3Click);
    Timer1->SetHandler([this] { RunHandler(this, [this] { Timer1Timer(); }); });
    Timer2->SetHandler([this] { RunHandler(this, [this] { Timer2Timer(); }); });
    connect(surface_, &TFormSurface::mouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
                RunHandler(this, [&] { FormMouseDown(button, shift, x, y); });
            });
}

void TForm1::FocusFirstTabStop() {
    // Tab's order, starting from the window: the first control that could take
    // the focus once the window is shown gets it when the window is activated.
    for (QWidget* next = nextInFocusChain(); next != this; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) != 0 && next->isEnabled() &&
            next->isVisibleTo(this)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void TForm1::CenterOnScreen() {
    const QScreen* shownOn = screen();
    if (shownOn == nullptr) {
        return;
    }
    QRect frame = frameGeometry();
    frame.moveCenter(shownOn->availableGeometry().center());
    move(frame.topLeft());
}

void TForm1::showEvent(QShowEvent* event) {
    if (!centered_) {
        centered_ = true;
        CenterOnScreen();
    }
    QMainWindow::showEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    RunHandler(this, [this] { FormClose(); });
    QMainWindow::closeEvent(event);
}

}  // namespace zunpeko
