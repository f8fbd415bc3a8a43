// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegFileProperties.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "RegDocument.h"
#include "RegScanner.h"
#include "RegSyntax.h"

namespace zunpeko::fuzz {
namespace {

constexpr std::string_view kTableKey = "HKEY_CURRENT_USER\\Zunpeko";
// Every check looks each value up once; this keeps an input with thousands of
// tiny values from taking quadratic time.
constexpr std::size_t kMaxValuesChecked = 64;

struct NamedValue {
    std::string key;
    std::string name;
    RegValue value;
};
using Values = std::vector<NamedValue>;

bool SameSlot(const NamedValue& v, std::string_view key, std::string_view name) {
    return regsyntax::EqualsIgnoringCase(v.key, key) && regsyntax::EqualsIgnoringCase(v.name, name);
}

std::string Printable(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && c != '\\') {
            out += c;
        } else {
            out += "\\x";
            out += kHex[b >> 4U];
            out += kHex[b & 0xFU];
        }
    }
    return out;
}

std::string Slot(std::string_view key, std::string_view name) {
    return "[" + Printable(key) + "] \"" + Printable(name) + "\"";
}

// Every value the document holds, once per key and name, as FindValue gives it.
Values AllValues(const RegDocument& document, std::optional<std::string>& problem) {
    Values values;
    RegScanner scanner(document.Text(), regsyntax::StringBytes::kCp932);
    RegItem item;
    while (values.size() < kMaxValuesChecked && scanner.Next(item)) {
        if (item.kind != RegItem::Kind::kValue ||
            std::any_of(values.begin(), values.end(),
                        [&](const NamedValue& v) { return SameSlot(v, item.key, item.name); })) {
            continue;
        }
        auto found = document.FindValue(item.key, item.name);
        if (!found) {
            problem = "the value " + Slot(item.key, item.name) + " is in the file but not found";
            return values;
        }
        values.push_back({std::string(item.key), item.name, std::move(*found)});
    }
    return values;
}

// The document written out and read back holds every value of values as it
// was; what is missing or changed, if anything.
std::optional<std::string> ReadsBack(const RegDocument& written, const Values& values,
                                     std::string_view how) {
    const auto reread = RegDocument::Parse(written.Text());
    if (!reread) {
        return std::string(how) + ": the written file does not parse";
    }
    for (const NamedValue& v : values) {
        if (reread->FindValue(v.key, v.name) != v.value) {
            return std::string(how) + ": " + Slot(v.key, v.name) + " did not survive";
        }
    }
    return std::nullopt;
}

std::optional<std::string> SurvivesANewFile(const Values& values) {
    RegDocument fresh;
    for (const NamedValue& v : values) {
        fresh.SetValue(v.key, v.name, v.value);
    }
    return ReadsBack(fresh, values, "written into a new file");
}

std::optional<std::string> SurvivesRewritingInPlace(const RegDocument& document,
                                                    const Values& values) {
    RegDocument copy = document;
    for (const NamedValue& v : values) {
        copy.SetValue(v.key, v.name, v.value);
    }
    return ReadsBack(copy, values, "rewritten in place");
}

// A save of the hi-score table into whatever the file holds: the values set
// read back as set, every other value as it was.
std::optional<std::string> SavesOnlyWhatItSets(const RegDocument& document, const Values& values,
                                               std::string_view bytes) {
    Values expected;
    for (const NamedValue& v : values) {
        if (!SameSlot(v, kTableKey, "HSC1") && !SameSlot(v, kTableKey, "SName1")) {
            expected.push_back(v);
        }
    }
    // The name takes any bytes of the input, the score a number made of them.
    const std::string_view name = bytes.substr(0, std::min<std::size_t>(bytes.size(), 21));
    std::uint32_t score = 0;
    for (const char c : bytes.substr(0, std::min<std::size_t>(bytes.size(), 4))) {
        score = (score << 8U) | static_cast<unsigned char>(c);
    }
    expected.push_back({std::string(kTableKey), "HSC1", DwordValue(score)});
    expected.push_back({std::string(kTableKey), "SName1", StringValue(name)});

    RegDocument copy = document;
    copy.AddKey(kTableKey);
    copy.SetValue(kTableKey, "HSC1", DwordValue(score));
    copy.SetValue(kTableKey, "SName1", StringValue(name));
    return ReadsBack(copy, expected, "after saving the table");
}

}  // namespace

std::optional<std::string> CheckRegFileRoundTrip(std::string_view bytes) {
    const auto document = RegDocument::Parse(bytes);
    if (!document) {
        return std::nullopt;
    }
    if (document->Text() != bytes) {
        return "the parsed file does not give its bytes back";
    }
    std::optional<std::string> problem;
    const Values values = AllValues(*document, problem);
    if (problem) {
        return problem;
    }
    if ((problem = SurvivesANewFile(values))) {
        return problem;
    }
    if ((problem = SurvivesRewritingInPlace(*document, values))) {
        return problem;
    }
    return SavesOnlyWhatItSets(*document, values, bytes);
}

}  // namespace zunpeko::fuzz
