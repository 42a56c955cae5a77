// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/window_settings.h"

namespace sorvane {
namespace {

constexpr std::u16string_view kSection = u"FORM1";

}  // namespace

WindowSettings ReadWindowSettings(const SettingsFile& file, const WindowSettings& defaults) {
    WindowSettings read;
    read.left = file.ReadInteger(kSection, u"left", defaults.left);
    read.top = file.ReadInteger(kSection, u"top", defaults.top);
    read.width = file.ReadInteger(kSection, u"width", defaults.width);
    read.height = file.ReadInteger(kSection, u"height", defaults.height);
    read.window_state = file.ReadString(kSection, u"WindowState", defaults.window_state);
    read.dir = file.ReadString(kSection, u"Dir", defaults.dir);
    read.hide_pass1 = file.ReadBool(kSection, u"HidePass1", defaults.hide_pass1);
    read.remember = file.ReadBool(kSection, u"Remember", defaults.remember);
    read.password = file.ReadString(kSection, u"Password", defaults.password.value_or(std::u16string()));
    read.clear_clipboard = file.ReadInteger(kSection, u"ClearClipboard", defaults.clear_clipboard);
    return read;
}

std::vector<std::u16string> WriteWindowSettings(SettingsFile& file, const WindowSettings& settings) {
    std::vector<std::u16string> skipped;
    const auto text = [&](const char16_t* key, const std::u16string& value) {
        if (!file.WriteString(kSection, key, value)) skipped.emplace_back(key);
    };
    file.WriteInteger(kSection, u"left", settings.left);
    file.WriteInteger(kSection, u"top", settings.top);
    file.WriteInteger(kSection, u"width", settings.width);
    file.WriteInteger(kSection, u"height", settings.height);
    text(u"WindowState", settings.window_state);
    text(u"Dir", settings.dir);
    file.WriteBool(kSection, u"HidePass1", settings.hide_pass1);
    file.WriteBool(kSection, u"Remember", settings.remember);
    if (settings.password) text(u"Password", *settings.password);
    // "ClearClipboard" is the user's to write: a file without it stays without it.
    return skipped;
}

std::u16string SkippedSettingMessage(const std::u16string& key) {
    return u"Параметр \"" + key + u"\" не сохранен: его значение содержит перевод строки";
}

}  // namespace sorvane
