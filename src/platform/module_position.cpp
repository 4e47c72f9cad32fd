#include "module_position.h"

#include <dlfcn.h>
#include <link.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "platform/qt_system_text.h"

namespace dividir {

namespace {

// Whether the address lies in one of the program file's own loaded segments.
bool InProgramFile(std::uintptr_t address) {
    struct Search {
        std::uintptr_t address;
        bool found;
    } search{address, false};
    dl_iterate_phdr(
        [](dl_phdr_info* module, std::size_t, void* data) {
            auto& search = *static_cast<Search*>(data);
            for (ElfW(Half) i = 0; i < module->dlpi_phnum; ++i) {
                const ElfW(Phdr)& segment = module->dlpi_phdr[i];
                const std::uintptr_t start = module->dlpi_addr + segment.p_vaddr;
                if (segment.p_type == PT_LOAD && search.address >= start &&
                    search.address - start < segment.p_memsz) {
                    search.found = true;
                }
            }
            return 1;  // the first module visited is the program itself
        },
        &search);
    return search.found;
}

}  // namespace

ModulePosition ModulePositionOf(const void* address) {
    const auto at = reinterpret_cast<std::uintptr_t>(address);
    Dl_info info = {};
    if (dladdr(address, &info) == 0 || info.dli_fbase == nullptr) return {SystemText(), at};
    // The loader names the program as it was started (its first argument);
    // the system's own path of it names the file itself.
    const QString path = InProgramFile(at) ? QCoreApplication::applicationFilePath()
                                           : QFile::decodeName(info.dli_fname);
    return {ToSystemText(QFileInfo(path).fileName()),
            at - reinterpret_cast<std::uintptr_t>(info.dli_fbase)};
}

}  // namespace dividir
