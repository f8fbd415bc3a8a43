// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowDefinition.h"

#include <array>

namespace zunpeko::layout {
namespace {

using enum Kind;
using enum Face;
using enum ColorName;
using enum Align;
using enum Bevel;
using enum Style;
using enum LinkType;

constexpr std::string_view kCredit = "(C) Zunpeko Project";
constexpr std::string_view kHomePage = "https://zunpeko.example.org/";
constexpr std::string_view kMailAddress = "zun@example.org";

// clang-format off
constexpr WindowDef kWindow{
    .caption = "ズンぺこ ver1.0", .clientWidth = 442, .clientHeight = 334,
    .color = clBlue, .font = kWindowFont};

// Rows in creation order; within a parent, graphic controls first, then the
// windowed ones from back to front.
constexpr std::array kControls{
    // The main area, on the window's own surface.
    ControlDef{.name = "Lbl_Cnt2", .parent = "Form1", .kind = TransparentLabel,
               .bounds = {138, 56, 199, 201}, .fixed = true, .caption = "3",
               .font = {Mincho, 200, Bold, clGray}, .align = Center},
    ControlDef{.name = "Label15", .parent = "Form1", .kind = TransparentLabel,
               .bounds = {64, 16, 321, 20}, .fixed = true,
               .caption = "マウスを使って「もぐら」ヲ退治セヨ。",
               .font = {Mincho, 19, Bold, clRed}, .align = Center},
    ControlDef{.name = "Label16", .parent = "Form1", .kind = TransparentLabel,
               .bounds = {66, 18, 321, 20}, .fixed = true,
               .caption = "マウスを使って「もぐら」ヲ退治セヨ。",
               .font = {Mincho, 19, Bold, clRed}, .align = Center},
    ControlDef{.name = "Label17", .parent = "Form1", .kind = TransparentLabel,
               .bounds = {138, 290, 71, 20}, .fixed = true, .caption = "SCORE",
               .font = {Mincho, 19, Bold, clWindowText}, .align = Center},
    ControlDef{.name = "Lbl_Cnt1", .parent = "Form1", .kind = TransparentLabel,
               .bounds = {130, 48, 199, 201}, .fixed = true, .caption = "3",
               .font = {Mincho, 200, Bold, clBlack}, .align = Center},
    ControlDef{.name = "Image1", .parent = "Form1", .kind = Image,
               .bounds = {408, 8, 17, 25}, .fixed = true, .visible = false},
    ControlDef{.name = "Lbl_Tim", .parent = "Form1", .kind = TransparentLabel,
               .bounds = {66, 37, 321, 20}, .fixed = true, .caption = "残り時間",
               .font = {Mincho, 19, Bold, clBlack}, .align = Center},
    ControlDef{.name = "Pnl_Sc", .parent = "Form1", .kind = Panel,
               .bounds = {232, 280, 201, 41}, .caption = "0",
               .font = {Mincho, 27, Bold, clBlack}, .align = Right, .color = clWhite,
               .bevel = Lowered, .bevelWidth = 7, .tabOrder = 2},

    // The title panel.
    ControlDef{.name = "Pnl_TT", .parent = "Form1", .kind = Panel,
               .bounds = {-160, 112, 442, 334}, .align = Center, .color = clSilver,
               .bevel = Raised, .bevelWidth = 1, .tabOrder = 1},
    ControlDef{.name = "Label19", .parent = "Pnl_TT", .kind = TransparentLabel,
               .bounds = {158, 214, 73, 12}, .caption = "NOW SCORE...",
               .font = {Gothic, 12, Regular, clGray}, .align = Left},
    ControlDef{.name = "Label18", .parent = "Pnl_TT", .kind = TransparentLabel,
               .bounds = {156, 212, 73, 12}, .caption = "NOW SCORE...",
               .font = {Gothic, 12, Regular, clWindowText}, .align = Left},
    ControlDef{.name = "Panel2", .parent = "Pnl_TT", .kind = Panel,
               .bounds = {40, 72, 97, 97}, .caption = "ず",
               .font = {Mincho, 96, Bold, clWindowText}, .align = Center, .color = clYellow,
               .bevel = Raised, .bevelWidth = 7, .tabOrder = 0},
    ControlDef{.name = "Panel3", .parent = "Pnl_TT", .kind = Panel,
               .bounds = {138, 88, 97, 97}, .caption = "ん",
               .font = {Mincho, 96, Bold, clWindowText}, .align = Center, .color = clLime,
               .bevel = Raised, .bevelWidth = 7, .tabOrder = 1},
    ControlDef{.name = "Panel5", .parent = "Pnl_TT", .kind = Panel,
               .bounds = {238, 67, 97, 97}, .caption = "ぺ",
               .font = {Mincho, 96, Bold, clRed}, .align = Center, .color = clBlack,
               .bevel = Raised, .bevelWidth = 7, .tabOrder = 2},
    ControlDef{.name = "Panel4", .parent = "Pnl_TT", .kind = Panel,
               .bounds = {322, 162, 97, 97}, .caption = "こ",
               .font = {Mincho, 96, Bold, clWhite}, .align = Center, .color = clRed,
               .bevel = Raised, .bevelWidth = 7, .tabOrder = 3},
    ControlDef{.name = "Panel6", .parent = "Pnl_TT", .kind = Panel,
               .bounds = {80, 8, 297, 41}, .caption = "正統派もぐら叩きゲーム",
               .font = {Mincho, 27, Bold, clWindowText}, .align = Center, .color = clYellow,
               .bevel = Raised, .bevelWidth = 7, .tabOrder = 4},
    ControlDef{.name = "Button2", .parent = "Pnl_TT", .kind = Button,
               .bounds = {224, 280, 193, 41}, .caption = "START!!",
               .font = {Mincho, 24, Bold, clWindowText}, .align = Center, .tabOrder = 5},
    ControlDef{.name = "Panel7", .parent = "Pnl_TT", .kind = Panel,
               .bounds = {143, 227, 102, 27}, .caption = "0",
               .font = {Mincho, 16, Bold, clLime}, .align = Right, .color = clBlack,
               .bevel = Lowered, .bevelWidth = 5, .tabOrder = 6},

    // The hi-score panel.
    ControlDef{.name = "Pnl_HSC", .parent = "Form1", .kind = Panel,
               .bounds = {-352, 56, 369, 305}, .align = Center, .color = clAqua,
               .bevel = Raised, .bevelWidth = 5, .visible = false, .tabOrder = 0},
    ControlDef{.name = "Label1", .parent = "Pnl_HSC", .kind = Label,
               .bounds = {24, 16, 321, 29}, .fixed = true, .caption = "HI-SCORE RANKING",
               .font = {Mincho, 29, Bold, clWindowText}, .align = Center, .color = clAqua},
    ControlDef{.name = "Label3", .parent = "Pnl_HSC", .kind = Label,
               .bounds = {16, 80, 57, 29}, .fixed = true, .caption = "１ｓｔ",
               .font = {Mincho, 21, Bold, clWindowText}, .align = Left, .color = clAqua},
    ControlDef{.name = "Label4", .parent = "Pnl_HSC", .kind = Label,
               .bounds = {16, 128, 57, 29}, .fixed = true, .caption = "２ｎｄ",
               .font = {Mincho, 21, Bold, clWindowText}, .align = Left, .color = clAqua},
    ControlDef{.name = "Label5", .parent = "Pnl_HSC", .kind = Label,
               .bounds = {16, 176, 57, 29}, .fixed = true, .caption = "３ｒｄ",
               .font = {Mincho, 21, Bold, clWindowText}, .align = Left, .color = clAqua},
    ControlDef{.name = "Label6", .parent = "Pnl_HSC", .kind = Label,
               .bounds = {72, 80, 137, 21}, .fixed = true, .caption = "ハイスコア",
               .font = {Mincho, 21, Bold, clWhite}, .align = Left, .color = clRed},
    ControlDef{.name = "Label7", .parent = "Pnl_HSC", .kind = Label,
               .bounds = {72, 128, 137, 21}, .fixed = true, .caption = "ハイスコア",
               .font = {Mincho, 21, Bold, clWhite}, .align = Left, .color = clBlue},
    ControlDef{.name = "Label8", .parent = "Pnl_HSC", .kind = Label,
               .bounds = {72, 176, 137, 21}, .fixed = true, .caption = "ハイスコア",
               .font = {Mincho, 21, Bold, clWhite}, .align = Left, .color = clGreen},
    ControlDef{.name = "Label9", .parent = "Pnl_HSC", .kind = Label,
               .bounds = {224, 80, 122, 21}, .fixed = true, .caption = "100",
               .font = {Mincho, 21, Bold, clWindowText}, .align = Right, .color = clWhite},
    ControlDef{.name = "Label10", .parent = "Pnl_HSC", .kind = Label,
               .bounds = {224, 128, 122, 21}, .fixed = true, .caption = "100",
               .font = {Mincho, 21, Bold, clWindowText}, .align = Right, .color = clWhite},
    ControlDef{.name = "Label11", .parent = "Pnl_HSC", .kind = Label,
               .bounds = {224, 176, 122, 21}, .fixed = true, .caption = "100",
               .font = {Mincho, 21, Bold, clWindowText}, .align = Right, .color = clWhite},
    ControlDef{.name = "Button1", .parent = "Pnl_HSC", .kind = Button,
               .bounds = {264, 232, 81, 49}, .caption = "OK",
               .font = {Mincho, 21, Bold, clWindowText}, .align = Center, .tabOrder = 0},
    ControlDef{.name = "Panel1", .parent = "Pnl_HSC", .kind = Panel,
               .bounds = {24, 224, 201, 65}, .align = Center, .color = clYellow,
               .bevel = Raised, .bevelWidth = 1, .tabOrder = 1},
    ControlDef{.name = "Label12", .parent = "Panel1", .kind = Label,
               .bounds = {8, 5, 185, 29}, .fixed = true, .caption = "ZUNPEKO",
               .font = {Mincho, 29, Bold, clWindowText}, .align = Center, .color = clAqua},
    ControlDef{.name = "Label13", .parent = "Panel1", .kind = TransparentLabel,
               .bounds = {24, 47, 169, 12}, .fixed = true, .caption = kCredit,
               .font = kWindowFont, .align = Right},
    ControlDef{.name = "Label14", .parent = "Panel1", .kind = TransparentLabel,
               .bounds = {24, 35, 169, 12}, .fixed = true, .caption = "version 1.00",
               .font = kWindowFont, .align = Center},

    // The help panel.
    ControlDef{.name = "Pnl_Help", .parent = "Form1", .kind = Panel,
               .bounds = {-60, 16, 417, 313}, .align = Center, .color = clBtnFace,
               .bevel = Raised, .bevelWidth = 25, .visible = false, .tabOrder = 3},
    ControlDef{.name = "Label23", .parent = "Pnl_Help", .kind = Label,
               .bounds = {90, 122, 253, 15},
               .caption = "マウスを使って、もぐら退治してください。",
               .font = {Gothic, 15, Regular, clWindowText}, .align = Left},
    ControlDef{.name = "Label24", .parent = "Pnl_Help", .kind = Label,
               .bounds = {90, 141, 261, 15},
               .caption = "左クリックで、モグラを叩くことができます。",
               .font = {Gothic, 15, Regular, clWindowText}, .align = Left},
    ControlDef{.name = "Label25", .parent = "Pnl_Help", .kind = Label,
               .bounds = {90, 160, 119, 15}, .caption = "もぐら１匹で１０点。",
               .font = {Gothic, 15, Regular, clWindowText}, .align = Left},
    ControlDef{.name = "Label26", .parent = "Pnl_Help", .kind = Label,
               .bounds = {90, 179, 142, 15}, .caption = "黄色いモグラは３０点。",
               .font = {Gothic, 15, Regular, clWindowText}, .align = Left},
    ControlDef{.name = "Label30", .parent = "Pnl_Help", .kind = Label,
               .bounds = {138, 261, 120, 13}, .caption = "お問い合わせはこちら",
               .font = {Gothic, 13, Regular, clWindowText}, .align = Left},
    ControlDef{.name = "Label27", .parent = "Pnl_Help", .kind = Label,
               .bounds = {90, 198, 241, 15},
               .caption = "白いモグラは制限時間がアップします。",
               .font = {Gothic, 15, Regular, clWindowText}, .align = Left},
    ControlDef{.name = "URLLink1", .parent = "Pnl_Help", .kind = Hyperlink,
               .bounds = {200, 232, 120, 12}, .caption = "ずんぺこホームページ",
               .font = {Gothic, 12, Underline, clBlue}, .align = Left,
               .link = {.type = tpURL, .link = kHomePage, .linkColor = clRed,
                        .showHint = true, .hintFont = {Gothic, 12, Regular, clWindowText}}},
    ControlDef{.name = "URLLink2", .parent = "Pnl_Help", .kind = Hyperlink,
               .bounds = {271, 260, 101, 12}, .caption = kMailAddress,
               .font = {Gothic, 12, Underline, clBlue}, .align = Left,
               .link = {.type = tpMAIL, .link = kMailAddress, .linkColor = clRed,
                        .showHint = false, .hintFont = {Gothic, 12, Regular, clWindowText}}},
    ControlDef{.name = "Panel9", .parent = "Pnl_Help", .kind = Panel,
               .bounds = {109, 38, 201, 65}, .align = Center, .color = clYellow,
               .bevel = Raised, .bevelWidth = 1, .tabOrder = 0},
    ControlDef{.name = "Label20", .parent = "Panel9", .kind = Label,
               .bounds = {8, 5, 185, 29}, .fixed = true, .caption = "ZUNPEKO",
               .font = {Mincho, 29, Bold, clWindowText}, .align = Center, .color = clAqua},
    ControlDef{.name = "Label21", .parent = "Panel9", .kind = TransparentLabel,
               .bounds = {24, 47, 169, 12}, .fixed = true, .caption = kCredit,
               .font = kWindowFont, .align = Right},
    ControlDef{.name = "Label22", .parent = "Panel9", .kind = TransparentLabel,
               .bounds = {24, 35, 169, 12}, .fixed = true, .caption = "version 1.00",
               .font = kWindowFont, .align = Center},
    // The two gaps of the back button's caption are ideographic spaces.
    ControlDef{.name = "Button3", .parent = "Pnl_Help", .kind = Button,
               .bounds = {32, 248, 73, 33}, .caption = "モ\u3000ド\u3000ル",
               .font = kWindowFont, .align = Center, .tabOrder = 1},
};

constexpr std::array kMenu{
    MenuDef{.name = "N1",     .parent = "",       .caption = "メニュー(M)"},
    MenuDef{.name = "S1",     .parent = "N1",     .caption = "開始",   .functionKey = 5},
    MenuDef{.name = "N2",     .parent = "N1",     .caption = "停止",   .functionKey = 6, .enabled = false},
    MenuDef{.name = "Exit1",  .parent = "N1",     .caption = "終了",   .functionKey = 9},
    MenuDef{.name = "About1", .parent = "",       .caption = "ドキュメント(D)"},
    MenuDef{.name = "Help1",  .parent = "About1", .caption = "ヘルプ", .functionKey = 1},
    MenuDef{.name = "N3",     .parent = "About1", .caption = "ハイスコア(&H)"},
};

constexpr std::array kTimers{
    TimerDef{.name = "Timer1", .intervalMs = 1000, .precise = true,  .enabled = false},
    TimerDef{.name = "Timer2", .intervalMs = 200,  .precise = true,  .enabled = false},
};
// clang-format on

}  // namespace

const WindowDef& Window() {
    return kWindow;
}
std::span<const ControlDef> Controls() {
    return kControls;
}
std::span<const MenuDef> Menu() {
    return kMenu;
}
std::span<const TimerDef> Timers() {
    return kTimers;
}

}  // namespace zunpeko::layout
