// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace sorvane {

// The user's home folder: $HOME when it is an absolute path, else the account's entry; the empty
// text when neither is known. Read afresh on every call.
std::u16string HomeDirectory();

}  // namespace sorvane
