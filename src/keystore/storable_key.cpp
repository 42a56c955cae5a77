// SPDX-License-Identifier: GPL-3.0-or-later
#include "keystore/storable_key.h"

#include <algorithm>
#include <cstdio>

#include "cipher/symbol_table.h"
#include "text/windows1251.h"

namespace sorvane {
namespace {

constexpr std::size_t kNamedCharacters = 5;

bool EndsTheLine(char16_t c) { return c == u'\r' || c == u'\n' || c == 0x1a; }
bool IsHighSurrogate(char16_t c) { return c >= 0xd800 && c <= 0xdbff; }
bool IsLowSurrogate(char16_t c) { return c >= 0xdc00 && c <= 0xdfff; }

bool Survives(char16_t c, KeyForm form) {
    if (EndsTheLine(c)) return false;
    return form == KeyForm::kPlain ? HasWindows1251Code(c) : PositionOf(c) != 0;
}

// How a character is named in the message: itself in quotes, or its code when it cannot be seen.
std::u16string Shown(const std::u16string& character) {
    const char16_t first = character.front();
    if (first >= 0x20 && first != 0x7f && !(first >= 0x80 && first < 0xa0)) return u"«" + character + u"»";
    char code[8];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(first));
    return std::u16string(code, code + std::char_traits<char>::length(code));
}

}  // namespace

std::vector<std::u16string> UnstorableCharacters(std::u16string_view key, KeyForm form) {
    std::vector<std::u16string> found;
    for (std::size_t i = 0; i < key.size(); ++i) {
        std::u16string character(1, key[i]);
        if (IsHighSurrogate(key[i]) && i + 1 < key.size() && IsLowSurrogate(key[i + 1])) character += key[++i];
        if (character.size() == 1 && Survives(character.front(), form)) continue;
        if (std::find(found.begin(), found.end(), character) == found.end()) found.push_back(std::move(character));
    }
    return found;
}

std::u16string QuotedCharacters(const std::vector<std::u16string>& characters) {
    std::u16string quoted;
    for (std::size_t i = 0; i < characters.size() && i < kNamedCharacters; ++i) {
        if (i > 0) quoted += u", ";
        quoted += Shown(characters[i]);
    }
    if (characters.size() > kNamedCharacters) quoted += u" и другие";
    return quoted;
}

std::u16string UnstorableKeyMessage(const std::vector<std::u16string>& characters, KeyForm form) {
    std::u16string message = characters.size() == 1 ? u"Пароль не записан: символ " : u"Пароль не записан: символы ";
    message += QuotedCharacters(characters);
    message += form == KeyForm::kPlain ? u" нельзя сохранить без изменений в файле без мастер-ключа"
                                       : u" нельзя сохранить без изменений под мастер-ключом";
    return message;
}

}  // namespace sorvane
