// SPDX-License-Identifier: GPL-3.0-or-later
#include "keystore/key_chain.h"

#include <gtest/gtest.h>

#include "cipher/builtin_chain.h"
#include "cipher/symbol_table.h"
#include "keystore/key_file.h"
#include "keystore/master_key.h"
#include "support/temp_dir.h"
#include "support/text_samples.h"

namespace sorvane {
namespace {

using test_support::TempDir;

constexpr CodePagePassage kPassages[] = {CodePagePassage::AfterEveryStep, CodePagePassage::AfterStepsOneToSix,
                                         CodePagePassage::None};

TEST(KeyChain, RoundTripsUnderEveryPassage) {
    std::mt19937 rng(7);
    for (std::size_t length = 0; length <= 400; length += 23) {
        const std::u16string key = test_support::RandomTableText(rng, length);
        const std::u16string master = test_support::RandomKey(rng, 1 + rng() % 20);
        for (CodePagePassage encode : kPassages)
            for (CodePagePassage decode : kPassages)
                ASSERT_EQ(DecodeKey(EncodeKey(key, master, encode), master, decode), key);
    }
}

TEST(KeyChain, IsPasswayUnderTheMasterKey) {
    const std::u16string encoded = EncodeKey(u"ключ", BuiltInKey1);
    EXPECT_EQ(Depassway(encoded), u"ключ");
    EXPECT_EQ(DecodeKey(Passway(u"ключ"), BuiltInKey1), u"ключ");
}

TEST(KeyChain, WrongMasterKeyGivesAnotherTextAndOutsideCharactersComeBackAsYa) {
    const std::u16string stored = EncodeKey(u"my key", u"right");
    EXPECT_NE(DecodeKey(stored, u"wrong"), u"my key");
    EXPECT_EQ(DecodeKey(EncodeKey(u"it's €", u"m"), u"m"), u"itяs я");
    EXPECT_EQ(EncodeKey(u"", u"m"), u"");
    EXPECT_EQ(DecodeKey(u"", u"m"), u"");
}

// Write and read back through real files under each mode of the master field.
TEST(KeyChain, FileRoundTripUnderEveryMasterFieldMode) {
    TempDir dir;
    WriteKeyLine(dir.U16("master.key"), Passway(u"из файла"));
    for (const std::u16string& field : {std::u16string(), std::u16string(u"typed"), dir.U16("master.key")}) {
        const ResolvedMasterKey master = ResolveMasterKey(field);
        const std::u16string key = u"Ключ: \"x\" 7";
        WriteKeyLine(dir.U16("k.key"), master.mode == MasterKeyMode::kNone
                                           ? key
                                           : EncodeKey(key, master.key, CodePagePassage::AfterStepsOneToSix));
        const std::u16string line = ReadKeyLine(dir.U16("k.key"));
        const std::u16string back =
            master.mode == MasterKeyMode::kNone ? line : DecodeKey(line, master.key, CodePagePassage::AfterEveryStep);
        EXPECT_EQ(back, key);
        if (master.mode != MasterKeyMode::kNone) {
            EXPECT_NE(line, key);
        }
    }
}

}  // namespace
}  // namespace sorvane
