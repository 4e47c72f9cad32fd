// The text the error box shows for an error's message.
#pragma once

#include "conversion/system_text.h"

namespace dividir {

// The message with "." appended unless it is empty or its last character
// (double-byte aware) is not greater than "." as an unsigned byte string; in
// effect unless it ends in a single byte from 0x01 to 0x2E (control
// characters, the blank, ! " # $ % & ' ( ) * + , - and "." itself).
SystemText ErrorDisplayText(SystemTextView message);

}  // namespace dividir
