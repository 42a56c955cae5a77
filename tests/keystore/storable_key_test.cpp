// SPDX-License-Identifier: GPL-3.0-or-later
#include "keystore/storable_key.h"

#include <gtest/gtest.h>

#include "cipher/builtin_chain.h"
#include "keystore/key_chain.h"
#include "keystore/key_file.h"
#include "keystore/remembered_master_field.h"
#include "support/temp_dir.h"

namespace sorvane {
namespace {

using test_support::TempDir;
using Characters = std::vector<std::u16string>;

TEST(UnstorableCharacters, NamesWhatWouldNotComeBackOnceEachInOrder) {
    const struct {
        const char* what;
        std::u16string key;
        KeyForm form;
        Characters found;
    } cases[] = {
        {"plain Cyrillic and signs", u"Пароль №1 € ё", KeyForm::kPlain, {}},
        {"plain CJK and an emoji pair", u"a漢b😀c漢", KeyForm::kPlain, {u"漢", u"😀"}},
        {"plain line ends", u"a\rb\nc\x1a", KeyForm::kPlain, {u"\r", u"\n", u"\x1a"}},
        {"plain lone surrogate",
         std::u16string(u"x") + char16_t(0xd800),
         KeyForm::kPlain,
         {std::u16string(1, char16_t(0xd800))}},
        {"encoded table characters", u"Ключ \"7\" ~", KeyForm::kEncoded, {}},
        {"encoded apostrophe and euro", u"it's €'", KeyForm::kEncoded, {u"'", u"€"}},
        {"encoded line break", u"a\nb", KeyForm::kEncoded, {u"\n"}},
        {"empty key", u"", KeyForm::kEncoded, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(UnstorableCharacters(c.key, c.form), c.found) << c.what;
}

// What the check lets through really comes back unchanged, in both forms.
TEST(UnstorableCharacters, AgreesWithTheRoundTrip) {
    TempDir dir;
    std::u16string every;
    for (char16_t c = 1; c < 0x500; ++c) every.push_back(c);
    every += u"€№—“”…";
    for (const char16_t c : every) {
        std::u16string key(3, u'k');  // built in place: GCC 12 warns falsely on u"k" + text at -O3
        key[1] = c;
        if (UnstorableCharacters(key, KeyForm::kPlain).empty()) {
            WriteKeyLine(dir.U16("k.key"), key);
            EXPECT_EQ(ReadKeyLine(dir.U16("k.key")), key) << static_cast<int>(c);
        }
        if (UnstorableCharacters(key, KeyForm::kEncoded).empty()) {
            EXPECT_EQ(DecodeKey(EncodeKey(key, u"мастер"), u"мастер"), key) << static_cast<int>(c);
        }
    }
}

TEST(UnstorableKeyMessage, QuotesTheFirstFewAndNamesInvisibleOnesByCode) {
    EXPECT_EQ(UnstorableKeyMessage({u"'"}, KeyForm::kEncoded),
              u"Пароль не записан: символ «'» нельзя сохранить без изменений под мастер-ключом");
    EXPECT_EQ(UnstorableKeyMessage({u"漢", u"\n"}, KeyForm::kPlain),
              u"Пароль не записан: символы «漢», U+000A нельзя сохранить без изменений в файле без мастер-ключа");
    EXPECT_EQ(QuotedCharacters({u"1", u"2", u"3", u"4", u"5", u"6"}), u"«1», «2», «3», «4», «5» и другие");
}

TEST(RememberMasterField, RefusesOnlyAFilePathThatWouldNotComeBack) {
    TempDir dir;
    WriteKeyLine(dir.U16("it's.key"), u"x");
    WriteKeyLine(dir.U16("master.key"), u"x");
    const std::u16string bad = dir.U16("it's.key");
    const RememberedMasterField refused = RememberMasterField(bad);
    EXPECT_FALSE(refused.stored);
    EXPECT_EQ(refused.unstorable, Characters{u"'"});

    for (const std::u16string& field :
         {std::u16string(u"it's typed"), std::u16string(u"пароль"), dir.U16("master.key")}) {
        const RememberedMasterField kept = RememberMasterField(field);
        ASSERT_TRUE(kept.stored);
        EXPECT_EQ(RestoreMasterField(*kept.stored).text, field == u"it's typed" ? u"itяs typed" : field);
    }
    EXPECT_EQ(RememberMasterField(u"").stored, std::u16string());
}

}  // namespace
}  // namespace sorvane
