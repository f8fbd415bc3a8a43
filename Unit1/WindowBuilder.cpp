// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowBuilder.h"

#include <QMenuBar>
#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "Button.h"
#include "Colors.h"
#include "Cp932.h"
#include "CustomLabel.h"
#include "Image.h"
#include "Panel.h"
#include "Stacking.h"
#include "URLLink.h"

namespace zunpeko {
namespace {

using layout::ControlDef;
using layout::Kind;
using ControlsByName = std::map<std::string_view, QWidget*, std::less<>>;

QString Text(std::string_view utf8) {
    return ToDisplay(SjisFromUtf8(utf8));
}

QString Name(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

Qt::Alignment AlignmentOf(layout::Align align) {
    switch (align) {
        case layout::Align::Center:
            return Qt::AlignHCenter;
        case layout::Align::Right:
            return Qt::AlignRight;
        case layout::Align::Left:
            break;
    }
    return Qt::AlignLeft;
}

QRect RectOf(const layout::Bounds& bounds) {
    return {bounds.left, bounds.top, bounds.width, bounds.height};
}

void ApplyLabel(TCustomLabel& label, const ControlDef& row) {
    label.SetAutoSize(!row.fixed);
    label.SetFont(FontOf(row.font));
    label.SetAlignment(AlignmentOf(row.align));
    label.SetTransparent(row.kind == Kind::TransparentLabel);
    if (row.color != layout::ColorName::None) {
        label.SetColor(ColorOf(row.color));
    }
    label.SetCaption(SjisFromUtf8(row.caption));
    if (row.fixed) {
        label.setGeometry(RectOf(row.bounds));
    } else {
        label.move(row.bounds.left, row.bounds.top);
    }
}

QWidget* MakeLabel(const ControlDef& row, QWidget* parent) {
    auto* label = new TCustomLabel(parent);
    ApplyLabel(*label, row);
    return label;
}

QWidget* MakeHyperlink(const ControlDef& row, QWidget* parent) {
    auto* link = new TURLLink(parent);
    ApplyLabel(*link, row);
    link->SetURLType(row.link.type == layout::LinkType::tpMAIL ? TURLtype::tpMAIL
                                                               : TURLtype::tpURL);
    link->SetLink(SjisFromUtf8(row.link.link));
    link->SetLinkColor(ColorOf(row.link.linkColor));
    link->SetEnableShowHint(row.link.showHint);
    link->SetHintFormFont(FontOf(row.link.hintFont));
    return link;
}

QWidget* MakePanel(const ControlDef& row, QWidget* parent) {
    auto* panel = new TPanel(parent);
    panel->SetFont(FontOf(row.font));
    panel->SetAlignment(AlignmentOf(row.align));
    if (row.color != layout::ColorName::None) {
        panel->SetColor(ColorOf(row.color));
    }
    panel->SetBevelOuter(row.bevel == layout::Bevel::Lowered ? TBevelCut::bvLowered
                                                             : TBevelCut::bvRaised);
    panel->SetBevelWidth(row.bevelWidth);
    panel->SetCaption(SjisFromUtf8(row.caption));
    panel->setGeometry(RectOf(row.bounds));
    return panel;
}

QWidget* MakeButton(const ControlDef& row, QWidget* parent) {
    auto* button = new TButton(parent);
    button->SetFont(FontOf(row.font));
    button->SetCaption(SjisFromUtf8(row.caption));
    button->setGeometry(RectOf(row.bounds));
    return button;
}

QWidget* MakeImage(const ControlDef& row, QWidget* parent) {
    auto* image = new TImage(parent);
    image->setGeometry(RectOf(row.bounds));
    return image;
}

QWidget* MakeControl(const ControlDef& row, QWidget* parent) {
    switch (row.kind) {
        case Kind::Label:
        case Kind::TransparentLabel:
            return MakeLabel(row, parent);
        case Kind::Hyperlink:
            return MakeHyperlink(row, parent);
        case Kind::Panel:
            return MakePanel(row, parent);
        case Kind::Button:
            return MakeButton(row, parent);
        case Kind::Image:
            return MakeImage(row, parent);
    }
    throw std::logic_error("window definition: unknown kind of control");
}

QWidget* Lookup(const ControlsByName& controls, std::string_view name) {
    const auto found = controls.find(name);
    if (found == controls.end()) {
        throw std::logic_error("window definition: no control named " + std::string(name));
    }
    return found->second;
}

// The windowed children of one parent in their tab order, each followed by its
// own children: the order Tab walks through the window.
void AppendTabStops(std::string_view parent, const ControlsByName& controls,
                    std::vector<QWidget*>& chain) {
    std::vector<const ControlDef*> windowed;
    for (const ControlDef& row : layout::Controls()) {
        if (row.parent == parent && row.tabOrder >= 0) {
            windowed.push_back(&row);
        }
    }
    std::ranges::sort(windowed, {}, &ControlDef::tabOrder);
    for (const ControlDef* row : windowed) {
        QWidget* control = Lookup(controls, row->name);
        if ((control->focusPolicy() & Qt::TabFocus) != 0) {
            chain.push_back(control);
        }
        AppendTabStops(row->name, controls, chain);
    }
}

}  // namespace

QColor ColorOf(layout::ColorName name) {
    using enum layout::ColorName;
    switch (name) {
        case clBlack:
            return colors::clBlack;
        case clWhite:
            return colors::clWhite;
        case clRed:
            return colors::clRed;
        case clLime:
            return colors::clLime;
        case clGreen:
            return colors::clGreen;
        case clBlue:
            return colors::clBlue;
        case clYellow:
            return colors::clYellow;
        case clAqua:
            return colors::clAqua;
        case clGray:
            return colors::clGray;
        case clSilver:
            return colors::clSilver;
        case clWindowText:
            return colors::clWindowText;
        case clBtnFace:
            return colors::clBtnFace;
        case None:
            break;
    }
    return {};
}

ControlFont FontOf(const layout::FontDef& font) {
    const QString& family = font.face == layout::Face::Mincho ? kMincho : kGothic;
    return MakeFont(family, font.pixels, ColorOf(font.color), font.style == layout::Style::Bold,
                    font.style == layout::Style::Underline);
}

void BuildControls(QWidget& surface) {
    ControlsByName controls{{layout::kWindowName, &surface}};
    for (const ControlDef& row : layout::Controls()) {
        QWidget* control = MakeControl(row, Lookup(controls, row.parent));
        control->setObjectName(Name(row.name));
        if (!row.visible) {
            control->hide();
        }
        controls.emplace(row.name, control);
    }
    for (const auto& [name, control] : controls) {
        StackWindowedInFront(control);
    }
    std::vector<QWidget*> chain;
    AppendTabStops(layout::kWindowName, controls, chain);
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

void BuildMenu(QMenuBar& bar) {
    std::map<std::string_view, QMenu*, std::less<>> menus;
    for (const layout::MenuDef& row : layout::Menu()) {
        if (row.parent.empty()) {
            QMenu* menu = bar.addMenu(Text(row.caption));
            menu->setObjectName(Name(row.name));
            menus.emplace(row.name, menu);
            continue;
        }
        const auto parent = menus.find(row.parent);
        if (parent == menus.end()) {
            throw std::logic_error("menu definition: no menu named " + std::string(row.parent));
        }
        QAction* item = parent->second->addAction(Text(row.caption));
        item->setObjectName(Name(row.name));
        if (row.functionKey > 0) {
            item->setShortcut(QKeySequence(Qt::Key_F1 + (row.functionKey - 1)));
        }
        item->setEnabled(row.enabled);
    }
}

}  // namespace zunpeko
