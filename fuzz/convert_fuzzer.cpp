// Feeds arbitrary bytes through Convert as the typed text, for both directions, both
// destinations, every plan and a varied rate table; the first bytes choose the setting.
// Each conversion either throws ConversionFailed or returns a sentence that begins with the
// text as typed and whose digits read back as the result, which is never negative.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "convert_setting.h"
#include "tariff/conversion.h"

namespace {

using tolvane::ConversionDirection;
using tolvane::DestinationKind;

void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

void Check(ConversionDirection direction, std::string_view input, DestinationKind destination,
           const tolvane::TariffState& state) {
    tolvane::Conversion conversion{};
    try {
        conversion = tolvane::Convert(direction, input, destination, state);
    } catch (const tolvane::ConversionFailed&) {
        return;
    }
    const bool toCharge = direction == ConversionDirection::TimeToCharge;
    const std::string_view middle = toCharge ? "分間の通話で料金は約" : "円で約";
    const std::string_view ending = toCharge ? "円です。" : "分間通話できます。";
    std::string_view sentence = conversion.sentence;

    Require(sentence.substr(0, input.size()) == input);
    sentence.remove_prefix(input.size());
    Require(sentence.substr(0, middle.size()) == middle);
    sentence.remove_prefix(middle.size());
    Require(sentence.size() > ending.size() && sentence.ends_with(ending));
    sentence.remove_suffix(ending.size());

    std::int32_t digits = -1;
    const auto parsed = std::from_chars(sentence.data(), sentence.data() + sentence.size(), digits);
    Require(parsed.ec == std::errc{} && parsed.ptr == sentence.data() + sentence.size());
    Require(digits == conversion.result);
    Require(conversion.result >= 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < tolvane::kSettingBytes) {
        return 0;
    }
    const tolvane::TariffState state = tolvane::SettingOf(data);

    const std::string_view input(reinterpret_cast<const char*>(data) + tolvane::kSettingBytes,
                                 size - tolvane::kSettingBytes);
    for (const auto direction :
         {ConversionDirection::TimeToCharge, ConversionDirection::ChargeToTime}) {
        for (const auto destination : {DestinationKind::HOrGeneral, DestinationKind::Mobile}) {
            Check(direction, input, destination, state);
        }
    }
    return 0;
}
