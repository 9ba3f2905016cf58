// The number rules of the Windows profile functions: how a number or a flag
// is read from a key's text and written back.
#pragma once

#include <cstdint>
#include <string_view>

// Leading spaces, one sign, decimal or $/x/X/0x/0X hexadecimal, nothing else.
// Gives false for a text that is not a number.
bool ParseNumber(std::string_view text, int32_t& value);
