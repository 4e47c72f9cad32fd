#include "application_title.h"

#include "character_stepping.h"
#include "conversion/out_of_memory.h"
#include "lower_case.h"

namespace dividir {

namespace {

bool IsFolderSeparator(char byte) noexcept { return byte == '\\' || byte == '/'; }

SystemTextView FileName(SystemTextView path) noexcept {
    std::size_t nameStart = 0;
    for (std::size_t i = 0; i < path.size(); i = NextCharacter(path, i)) {
        if (IsFolderSeparator(path[i])) nameStart = i + 1;
    }
    return path.substr(nameStart);
}

SystemTextView BeforeFirstDot(SystemTextView name) noexcept {
    for (std::size_t i = 0; i < name.size(); i = NextCharacter(name, i)) {
        if (name[i] == '.') return name.substr(0, i);
    }
    return name;
}

SystemTextView WithinTitleLength(SystemTextView title) noexcept {
    if (title.size() <= kMaxApplicationTitleBytes) return title;
    std::size_t end = 0;
    for (std::size_t next = NextCharacter(title, 0); next <= kMaxApplicationTitleBytes;
         next = NextCharacter(title, next))
        end = next;
    return title.substr(0, end);
}

}  // namespace

SystemText ApplicationTitleFromPath(SystemTextView programPath) {
    const SystemTextView path = programPath.substr(0, programPath.find('\0'));
    // Lower-casing keeps every byte where it is, so the title may be cut to
    // length before it is lower-cased.
    const SystemTextView base = WithinTitleLength(BeforeFirstDot(FileName(path)));
    const std::size_t rest = NextCharacter(base, 0);
    return BuildOrRaiseOutOfMemory(
        [&] { return SystemText(base.substr(0, rest)) + LowerCaseSystemText(base.substr(rest)); });
}

}  // namespace dividir
