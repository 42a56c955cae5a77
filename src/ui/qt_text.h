// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

#include "fileio/path_text.h"

namespace sorvane {

// The core's UTF-16 texts and Qt's are the same code units: no conversion of content.
inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string ToU16(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

// A path or name as the window shows it.
inline QString ShownPath(const std::filesystem::path& path) { return ToQString(DisplayText(path)); }

// A path the user typed or picked in a dialog.
inline std::filesystem::path TypedPath(const QString& text) { return PathFromText(ToU16(text)); }

}  // namespace sorvane
