// SPDX-License-Identifier: GPL-3.0-or-later
#include "keystore/key_chain.h"

#include "cipher/builtin_chain.h"
#include "text/windows1251.h"

namespace sorvane {
namespace {

ChainStepHook PassageHook(CodePagePassage passage) {
    switch (passage) {
        case CodePagePassage::AfterEveryStep:
            return [](std::u16string& text, int) { text = RoundTripWindows1251(text); };
        case CodePagePassage::AfterStepsOneToSix:
            return [](std::u16string& text, int step) {
                if (step <= 6) text = RoundTripWindows1251(text);
            };
        case CodePagePassage::None:
            break;
    }
    return {};
}

}  // namespace

std::u16string EncodeKey(std::u16string_view key, std::u16string_view master_key, CodePagePassage passage) {
    return EncodeChain(key, master_key, PassageHook(passage));
}

std::u16string DecodeKey(std::u16string_view stored_line, std::u16string_view master_key, CodePagePassage passage) {
    return DecodeChain(stored_line, master_key, PassageHook(passage));
}

}  // namespace sorvane
