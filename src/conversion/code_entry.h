// Reading a typed code and turning it into its character.
//
// An entry of the digits 0 to 9 alone is read as a strict decimal number; an
// entry that begins with "0x", or holds anything else, is read leniently as
// hexadecimal: the hex digits at its start count, whatever follows does not.
#pragma once

#include <cstdint>

#include "system_text.h"

namespace dividir {

// A typed code read as a number: any 32-bit pattern, taken as unsigned.
// Only its low 16 bits name a character.
using CodeValue = std::uint32_t;

struct ScanResult {
    CodeValue value = 0;
    bool accepted = false;  // whether the whole text was read as a number
};

// Reads a text that begins with "0x" as hexadecimal: the digits after the
// prefix up to the first byte that is no hex digit, and at most eight
// significant digits (a ninth stops the reading with the value of the first
// eight). Reads any other text as decimal: accepted when it is made of digits
// only, with a value of at most 2147483647 (leading zeros of any length
// allowed); the reading stops at the first byte that is no digit. Never
// raises.
ScanResult ScanInteger(SystemTextView text);

// Reads a text of decimal digits; raises the conversion error (EConvertError,
// "'<text>' is not a valid integer value") when ScanInteger does not accept it,
// the empty text among them.
CodeValue StrictInteger(SystemTextView text);

// The code value of an entry. Raises the conversion error for an empty entry
// and for a decimal entry above 2147483647; nothing else fails.
CodeValue ParseCodeEntry(SystemTextView entry);

// The character text of a code's unit (value modulo 65536): one or two bytes,
// the best-fit or default character where the code page has none, and the
// single byte 0 for the unit 0.
SystemText CharacterForCode(CodeValue value);

// The conversion error's message for an entry, byte for byte as typed.
SystemText ConversionErrorMessage(SystemTextView entry);

}  // namespace dividir
