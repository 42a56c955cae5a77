// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace sorvane {

// Replaces the clipboard's whole content with the text.
void SetClipboardText(const QString& text);

// The same for a key: also marked as a secret, so that clipboard history managers do not keep it.
void SetClipboardSecret(const QString& text);

// Whether the clipboard still holds the very key that SetClipboardSecret put there last: false once
// anything else, from this program or another, has replaced it.
bool ClipboardHoldsOurSecret();

}  // namespace sorvane
