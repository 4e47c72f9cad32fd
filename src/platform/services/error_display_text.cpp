#include "error_display_text.h"

#include "character_stepping.h"
#include "conversion/out_of_memory.h"

namespace dividir {

namespace {

bool LastCharacterIsAboveFullStop(SystemTextView message) {
    const auto last = message.substr(LastCharacterStart(message));
    const auto first = static_cast<unsigned char>(last[0]);
    // A longer string that begins with "." is greater than ".".
    return first > '.' || (first == '.' && last.size() > 1);
}

}  // namespace

SystemText ErrorDisplayText(SystemTextView message) {
    return BuildOrRaiseOutOfMemory([&] {
        SystemText text(message);
        if (!message.empty() && LastCharacterIsAboveFullStop(message)) text += '.';
        return text;
    });
}

}  // namespace dividir
