// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegScanner.h"

#include "RegSyntax.h"

namespace zunpeko {

bool RegScanner::Next(RegItem& item) {
    if (pos_ >= text_.size()) {
        return false;
    }
    const Line line = LineAt(pos_);
    item = RegItem{};
    item.begin = line.begin;
    item.end = line.end;
    if (const auto header = regsyntax::ParseSectionHeader(Content(line))) {
        if (header->deletes) {
            item.kind = RegItem::Kind::kDeletedSection;
            section_.reset();
        } else {
            item.kind = RegItem::Kind::kSection;
            section_ = header->path;
        }
        item.key = header->path;
    } else if (!(section_ && ReadValue(line, item))) {
        item.kind = RegItem::Kind::kOther;
        item.blank = regsyntax::TrimRight(regsyntax::TrimLeft(Content(line))).empty();
    }
    pos_ = item.end;
    return true;
}

RegScanner::Line RegScanner::LineAt(std::size_t pos) const {
    Line line;
    line.begin = pos;
    const std::size_t newline = text_.find('\n', pos);
    if (newline == std::string_view::npos) {
        line.contentEnd = line.end = text_.size();
        return line;
    }
    line.end = newline + 1;
    line.contentEnd = (newline > pos && text_[newline - 1] == '\r') ? newline - 1 : newline;
    return line;
}

std::string_view RegScanner::Content(const Line& line) const {
    return text_.substr(line.begin, line.contentEnd - line.begin);
}

bool RegScanner::ReadValue(const Line& first, RegItem& item) const {
    auto start = regsyntax::SplitValueLine(Content(first), encoding_);
    if (!start) {
        return false;
    }
    std::size_t end = first.end;
    if (regsyntax::IsHexData(start->data)) {
        regsyntax::HexDataReader reader;
        if (!reader.Begin(start->data)) {
            return false;
        }
        while (reader.WantsMore() && end < text_.size()) {
            const Line next = LineAt(end);
            if (!reader.Continue(Content(next))) {
                return false;
            }
            end = next.end;
        }
        item.value = reader.Value();
        item.openEnded = reader.WantsMore();
    } else if (auto value = regsyntax::ParseInlineData(start->data, encoding_)) {
        item.value = std::move(*value);
        item.quoted = item.value.type == kRegSz;
    } else {
        return false;
    }
    item.kind = RegItem::Kind::kValue;
    item.end = end;
    item.key = *section_;
    item.name = std::move(start->name);
    return true;
}

}  // namespace zunpeko
