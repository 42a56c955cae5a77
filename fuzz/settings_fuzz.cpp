// Any settings file parses; a value written into it (no line break, valid UTF-16) reads back exactly,
// also after a trip through the file's bytes; every other key keeps its value.
#include <cstdlib>

#include "fuzz_input.h"
#include "settings/ini_document.h"
#include "settings/settings_text.h"
#include "text/unicode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sorvane::fuzzing::FuzzInput input(data, size);
    std::u16string value = input.Text();
    const std::string file = input.RestAsBytes();
    // A value must be one line; lone surrogates have no UTF-8 form.
    for (char16_t& c : value)
        if (c == u'\r' || c == u'\n' || (c >= 0xd800 && c <= 0xdfff)) c = u'x';

    sorvane::IniDocument document = sorvane::IniDocument::Parse(sorvane::DecodeSettingsText(file));
    const auto other_before = document.Get(u"FORM1", u"top");
    document.Set(u"FORM1", u"left", value);
    if (document.Get(u"FORM1", u"left") != value) std::abort();
    const sorvane::IniDocument reread =
        sorvane::IniDocument::Parse(sorvane::DecodeSettingsText(sorvane::Utf16ToUtf8(document.Serialize())));
    if (reread.Get(u"form1", u"LEFT") != value) std::abort();
    if (reread.Get(u"FORM1", u"top") != other_before) std::abort();
    return 0;
}
