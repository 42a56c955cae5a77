// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini_document.h"

#include "settings/ini_values.h"
#include "text/case_folding.h"

namespace sorvane {
namespace {

// The section name of a header line "[name]", or nothing.
std::optional<std::u16string_view> HeaderName(std::u16string_view line) {
    line = TrimIniBlanks(line);
    if (line.empty() || line.front() != u'[') return std::nullopt;
    const std::size_t close = line.find(u']');
    const std::u16string_view name = line.substr(1, close == std::u16string_view::npos ? close : close - 1);
    return TrimIniBlanks(name);
}

// Splits "key=value" at the first "="; a line without one has no key.
bool SplitKeyLine(std::u16string_view line, std::u16string_view& key, std::u16string_view& value) {
    const std::size_t equals = line.find(u'=');
    if (equals == std::u16string_view::npos) return false;
    key = TrimIniBlanks(line.substr(0, equals));
    value = line.substr(equals + 1);
    return !key.empty() && key.front() != u';';
}

}  // namespace

IniDocument IniDocument::Parse(std::u16string_view text) {
    IniDocument document;
    std::size_t section = 0;
    while (!text.empty()) {
        std::size_t end = text.find_first_of(u"\r\n");
        const std::u16string_view line = text.substr(0, end);
        if (end == std::u16string_view::npos) {
            text = {};
        } else {
            if (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ++end;
            text.remove_prefix(end + 1);
        }
        const auto header = HeaderName(line);
        if (header) {
            section = document.sections_.size();
            document.sections_.emplace_back(*header);
        }
        document.lines_.push_back({std::u16string(line), section, header.has_value()});
    }
    return document;
}

std::vector<bool> IniDocument::SectionsNamed(std::u16string_view section) const {
    std::vector<bool> named(sections_.size());
    for (std::size_t i = 1; i < sections_.size(); ++i) named[i] = EqualsIgnoringCase(sections_[i], section);
    return named;
}

std::optional<std::size_t> IniDocument::FindKey(std::u16string_view section, std::u16string_view key) const {
    const std::vector<bool> named = SectionsNamed(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::u16string_view line_key, value;
        if (!lines_[i].is_header && named[lines_[i].section] && SplitKeyLine(lines_[i].text, line_key, value) &&
            EqualsIgnoringCase(line_key, key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::u16string> IniDocument::Get(std::u16string_view section, std::u16string_view key) const {
    const auto index = FindKey(section, key);
    if (!index) return std::nullopt;
    std::u16string_view line_key, value;
    SplitKeyLine(lines_[*index].text, line_key, value);
    return UnquoteIniValue(value);
}

void IniDocument::Set(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
    std::u16string text = std::u16string(key) + u"=" + QuoteIniValue(value);
    if (const auto index = FindKey(section, key)) {
        lines_[*index].text = std::move(text);
        return;
    }
    // After the section's last key line (blank lines and comments at its end stay after the key).
    const std::vector<bool> named = SectionsNamed(section);
    std::optional<std::size_t> last;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::u16string_view k, v;
        if (named[lines_[i].section] && (lines_[i].is_header || SplitKeyLine(lines_[i].text, k, v))) last = i;
    }
    if (!last) {
        const std::size_t added = sections_.size();
        sections_.emplace_back(section);
        lines_.push_back({u"[" + std::u16string(section) + u"]", added, true});
        lines_.push_back({std::move(text), added, false});
        return;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*last) + 1,
                  Line{std::move(text), lines_[*last].section, false});
}

std::u16string IniDocument::Serialize() const {
    std::u16string text;
    for (const Line& line : lines_) {
        text += line.text;
        text += u'\n';
    }
    return text;
}

}  // namespace sorvane
