#pragma once
// StrToAmount the slow way, straight from its grammar: a state machine over the characters,
// then decimal arithmetic on digit strings.
#include <cstdint>
#include <string_view>

namespace vinta::reference {

std::int64_t SlowStrToAmount(std::string_view text, char separator);

} // namespace vinta::reference
