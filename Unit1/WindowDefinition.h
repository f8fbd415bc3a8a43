// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The static make-up of the main window as plain data: the window itself, every
// control with its parent and property values, the menu and the timers. It is
// applied once when the window is created (WindowBuilder). Captions are UTF-8
// here and become code page 932 when applied.
namespace zunpeko::layout {

// The name the rows use for the window itself as a parent.
inline constexpr std::string_view kWindowName = "Form1";

enum class Kind : std::uint8_t {
    Label,             // graphic; fills its rectangle with its colour
    TransparentLabel,  // graphic; fills nothing
    Panel,             // windowed container with a bevel
    Button,            // windowed push button, a tab stop
    Image,             // graphic; holds a picture
    Hyperlink,         // graphic; the hyperlink label, sized to its caption
};

enum class Face : std::uint8_t { Gothic, Mincho };

// The framework's named colours. None: the kind's default (a panel's
// clBtnFace, a label's parent colour).
enum class ColorName : std::uint8_t {
    None,
    clBlack,
    clWhite,
    clRed,
    clLime,
    clGreen,
    clBlue,
    clYellow,
    clAqua,
    clGray,
    clSilver,
    clWindowText,
    clBtnFace,
};

enum class Align : std::uint8_t { Left, Center, Right };
enum class Bevel : std::uint8_t { Raised, Lowered };
enum class Style : std::uint8_t { Regular, Bold, Underline };
enum class LinkType : std::uint8_t { tpURL, tpMAIL };

// Face, character height in pixels (the em, without internal leading), style, colour.
struct FontDef {
    Face face = Face::Gothic;
    int pixels = 12;
    Style style = Style::Regular;
    ColorName color = ColorName::clWindowText;
};

// The window font, which every control that names no font of its own uses.
inline constexpr FontDef kWindowFont{};

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The hyperlink label's own properties.
struct LinkDef {
    LinkType type = LinkType::tpURL;
    std::string_view link = {};
    ColorName linkColor = ColorName::clRed;
    bool showHint = true;
    FontDef hintFont = kWindowFont;
};

struct ControlDef {
    std::string_view name = {};
    std::string_view parent = {};
    Kind kind = Kind::Label;
    Bounds bounds = {};
    // Labels: keep the size given. Otherwise a label takes its caption's size
    // (the size given is then what the caption measures in its font).
    bool fixed = false;
    std::string_view caption = {};
    FontDef font = kWindowFont;
    Align align = Align::Left;
    ColorName color = ColorName::None;
    Bevel bevel = Bevel::Raised;
    int bevelWidth = 1;
    bool visible = true;
    int tabOrder = -1;  // windowed controls only
    LinkDef link = {};
};

struct WindowDef {
    std::string_view caption = {};
    int clientWidth = 0;
    int clientHeight = 0;
    ColorName color = ColorName::None;
    FontDef font = kWindowFont;
};

struct MenuDef {
    std::string_view name = {};
    std::string_view parent = {};  // empty: an entry of the menu bar
    std::string_view caption = {};
    int functionKey = 0;  // 0: no shortcut; n: Fn
    bool enabled = true;
};

struct TimerDef {
    std::string_view name = {};
    int intervalMs = 1000;
    bool precise = false;
    bool enabled = true;
};

const WindowDef& Window();
// Every control in creation order: a parent always comes before its children.
std::span<const ControlDef> Controls();
// Menu entries in the order they appear.
std::span<const MenuDef> Menu();
std::span<const TimerDef> Timers();

}  // namespace zunpeko::layout
