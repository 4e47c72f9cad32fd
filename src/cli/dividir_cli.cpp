// dividir-cli: the conversion core for scripts and bulk checks.
//   dividir-cli listing      code listing of the system text on standard input
//   dividir-cli char ENTRY   the character a typed code stands for
#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <string_view>

#include "conversion/code_entry.h"
#include "conversion/code_listing.h"
#include "conversion/exception.h"
#include "platform/services/error_display_text.h"

namespace {

constexpr std::string_view kUsage =
    "Usage: dividir-cli listing\n"
    "       dividir-cli char ENTRY\n"
    "       dividir-cli --help\n"
    "\n"
    "Works on text in code page 932 (Shift-JIS), byte for byte.\n"
    "\n"
    "  listing     Reads text from standard input and writes its code listing:\n"
    "              one line per UTF-16 code unit above the blank, holding the\n"
    "              character, TAB, its code in decimal, TAB, its code as \"0x\"\n"
    "              and eight hex digits, CR LF.\n"
    "  char ENTRY  Reads ENTRY as a code, decimal if it holds only digits,\n"
    "              hexadecimal otherwise (optionally after \"0x\"), and writes\n"
    "              the character of its low 16 bits. An empty entry or a\n"
    "              decimal above 2147483647 is an error (exit status 1).\n"
    "  --help      Shows this text.\n";

constexpr int kUsageError = 2;

bool WriteAll(std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
           std::fflush(stdout) == 0;
}

int RunListing() {
    std::string input{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    if (std::cin.bad()) {
        std::cerr << "dividir-cli: cannot read standard input\n";
        return 1;
    }
    return WriteAll(dividir::FormatCodeListing(input)) ? 0 : 1;
}

int RunChar(std::string_view entry) {
    try {
        return WriteAll(dividir::CharacterForCode(dividir::ParseCodeEntry(entry))) ? 0 : 1;
    } catch (const dividir::Exception& error) {
        std::cerr << dividir::ErrorDisplayText(error.Message()) << '\n';
        return 1;
    }
}

int UsageError(std::string_view what) {
    std::cerr << "dividir-cli: " << what << "\nTry 'dividir-cli --help'.\n";
    return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::freopen(nullptr, "rb", stdin);
    if (argc < 2) return UsageError("missing command");
    const std::string_view command = argv[1];
    if (command == "--help" || command == "-h") {
        if (argc != 2) return UsageError("--help takes no arguments");
        return WriteAll(kUsage) ? 0 : 1;
    }
    try {
        if (command == "listing") {
            if (argc != 2) return UsageError("listing takes no arguments");
            return RunListing();
        }
        if (command == "char") {
            if (argc != 3) return UsageError("char takes exactly one ENTRY");
            return RunChar(std::string_view(argv[2], std::strlen(argv[2])));
        }
    } catch (const dividir::Exception& error) {
        std::cerr << "dividir-cli: " << dividir::ErrorDisplayText(error.Message()) << '\n';
        return 1;
    }
    const bool isOption = command.starts_with('-');
    return UsageError((isOption ? "unknown option '" : "unknown command '") + std::string(command) +
                      "'");
}
