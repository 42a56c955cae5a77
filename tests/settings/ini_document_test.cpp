// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini_document.h"

#include <gtest/gtest.h>

namespace sorvane {
namespace {

TEST(IniDocument, LooksUpWithoutRegardToCase) {
    const IniDocument document =
        IniDocument::Parse(u"; comment\r\n[Form1]\r\nLeft = 12\r\nDir=/x\r\n[other]\nleft=99\n");
    EXPECT_EQ(document.Get(u"FORM1", u"left"), u"12");
    EXPECT_EQ(document.Get(u"form1", u"DIR"), u"/x");
    EXPECT_EQ(document.Get(u"OTHER", u"left"), u"99");
    EXPECT_EQ(document.Get(u"FORM1", u"top"), std::nullopt);
    EXPECT_EQ(document.Get(u"missing", u"left"), std::nullopt);
}

TEST(IniDocument, WritesInPlaceOrAtTheEndOfTheSectionAndKeepsTheRest) {
    IniDocument document = IniDocument::Parse(u"; mine\n[FORM1]\nleft=1\nunknown=keep\n\n[Other]\nx=y\n");
    document.Set(u"form1", u"LEFT", u"5");
    document.Set(u"FORM1", u"top", u"6");
    document.Set(u"New", u"k", u" v ");
    EXPECT_EQ(document.Serialize(),
              u"; mine\n[FORM1]\nLEFT=5\nunknown=keep\ntop=6\n\n[Other]\nx=y\n[New]\nk=\" v \"\n");
}

TEST(IniDocument, ANewDocumentGetsItsSection) {
    IniDocument document;
    document.Set(u"FORM1", u"left", u"0");
    document.Set(u"FORM1", u"top", u"0");
    EXPECT_EQ(document.Serialize(), u"[FORM1]\nleft=0\ntop=0\n");
}

TEST(IniDocument, GarbageParsesWithoutHarm) {
    std::u16string garbage;
    for (int i = 0; i < 2000; ++i) garbage.push_back(static_cast<char16_t>((i * 7919) % 65536));
    IniDocument document = IniDocument::Parse(garbage);
    document.Set(u"FORM1", u"left", u"1");
    EXPECT_EQ(IniDocument::Parse(document.Serialize()).Get(u"FORM1", u"left"), u"1");
}

}  // namespace
}  // namespace sorvane
