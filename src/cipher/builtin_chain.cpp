// SPDX-License-Identifier: GPL-3.0-or-later
#include "cipher/builtin_chain.h"

#include "cipher/substitution.h"
#include "cipher/transforms.h"

namespace sorvane {
namespace {

constexpr std::u16string_view kKey1 = u"QuietMoss";
constexpr std::u16string_view kKey2 =
    u"МфuхКЭВL1dпЕVvЬёЯг2i2nFнДuчOаёИнsипwRMьОGяЮЗTМOйnDь"
    u"TtЖЮiщЮаБТБГщзZMУoQIAHЫpвPккНv5OТУСльmжВkFOОБUбБu3ю"
    u"Z62xНЙъСЪБьxЖPqУЗтМD9ЕмТШYёоЗъйьху09nчеLъиTrLрКЕ4Rб"
    u"9fhvVфRЦVш9BmЮfЙ5бГ5BuCiыЭКБГЯХЬБFmЁпщ38tbбйтк5рnms"
    u"чкlqDPpЬЗ51gЁЩйайзKPeSчЫьЁОзIэимйтЁh6я6MмWiьf9фaxWХ";
constexpr std::u16string_view kKey3 =
    u"tоIФЗq39W4Б4ЕkТKциSuщGГeAМпЛНпыЛqn7дРоGwАхк0XЛ4ODхр"
    u"Кta09СМЪ9ЗMuпuтwцё2ЧйIРRKBМDTхYсХ1аCu5ЫVvjKцЧЫтЁТFG"
    u"nоОНNЩЕEaРциЩpйvЪwВUёxЪщДuBdеU9ёJlь01ИЙoъснЯFззБЭYA"
    u"оОМкщ3яUТвДФКaЙeрlГуЁНmtNQySvцZц8щАнхйHчЪRЖXчЗхGeЭл"
    u"5VAoцIDЧWЦыMcGер2uёfГМWydПбXeяЖF6ГЧWpЖ3КkС4сqliC0фT";
static_assert(kKey1.size() == 9 && kKey2.size() == 255 && kKey3.size() == 255);

void After(std::u16string& result, int step, const ChainStepHook& hook) {
    if (hook) hook(result, step);
}

}  // namespace

const std::u16string_view BuiltInKey1 = kKey1;
const std::u16string_view BuiltInKey2 = kKey2;
const std::u16string_view BuiltInKey3 = kKey3;

std::u16string EncodeChain(std::u16string_view text, std::u16string_view first_key, const ChainStepHook& after_step) {
    std::u16string r(text);
    PasswordInPlace(r, first_key);
    After(r, 1, after_step);
    PasswordInPlace(r, kKey2);
    After(r, 2, after_step);
    ShiftInPlace(r);
    After(r, 3, after_step);
    MirrorhInPlace(r);
    After(r, 4, after_step);
    MirrorvInPlace(r);
    After(r, 5, after_step);
    PasswordInPlace(r, kKey3);
    After(r, 6, after_step);
    r = addrnd(r, kKey3);
    After(r, 7, after_step);
    return r;
}

std::u16string DecodeChain(std::u16string_view text, std::u16string_view last_key, const ChainStepHook& after_step) {
    std::u16string r = deaddrnd(text, kKey3);
    After(r, 1, after_step);
    DepasswordInPlace(r, kKey3);
    After(r, 2, after_step);
    MirrorvInPlace(r);
    After(r, 3, after_step);
    MirrorhInPlace(r);
    After(r, 4, after_step);
    DeshiftInPlace(r);
    After(r, 5, after_step);
    DepasswordInPlace(r, kKey2);
    After(r, 6, after_step);
    DepasswordInPlace(r, last_key);
    After(r, 7, after_step);
    return r;
}

std::u16string Passway(std::u16string_view s1) { return EncodeChain(s1, kKey1); }

std::u16string Depassway(std::u16string_view s1) { return DecodeChain(s1, kKey1); }

}  // namespace sorvane
