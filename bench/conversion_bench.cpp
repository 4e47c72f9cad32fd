// Throughput of the conversion core next to what it replaces: glibc's iconv
// for the two conversions, and a straightforward snprintf listing for the code
// listing. Every pair works on the same bytes and reports bytes of input per
// second, so the figures of a pair can be divided by each other directly.
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "conversion/code_listing.h"
#include "conversion/encoding_bridge.h"
#include "japanese_sample_text.h"

namespace dividir::bench {
namespace {

constexpr std::size_t kSampleSize = std::size_t{1} << 20;

const SystemText& Sample() {
    static const SystemText sample = JapaneseSampleText(kSampleSize);
    return sample;
}

const Utf16Text& SampleUnits() {
    static const Utf16Text units = SystemToUtf16(Sample());
    return units;
}

std::int64_t SampleUnitBytes() {
    return static_cast<std::int64_t>(SampleUnits().size() * sizeof(Utf16Unit));
}

// UTF-16 in the byte order of std::u16string's memory.
constexpr const char* kUtf16Name =
    std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// One iconv conversion descriptor, opened once: opening loads the gconv
// module, which is set-up rather than conversion cost.
class Iconv {
  public:
    Iconv(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {}
    ~Iconv() {
        if (Ok()) iconv_close(descriptor_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    bool Ok() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `in` into `out`; returns the bytes written, or
    // std::string::npos if iconv stopped early (a character it rejects, or
    // too little room), in which case the figures would be meaningless.
    std::size_t Convert(const void* in, std::size_t in_size, void* out, std::size_t out_size) {
        iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
        char* in_pointer = static_cast<char*>(const_cast<void*>(in));
        char* out_pointer = static_cast<char*>(out);
        std::size_t in_left = in_size;
        std::size_t out_left = out_size;
        if (iconv(descriptor_, &in_pointer, &in_left, &out_pointer, &out_left) ==
                static_cast<std::size_t>(-1) ||
            in_left != 0) {
            return std::string::npos;
        }
        return out_size - out_left;
    }

  private:
    iconv_t descriptor_;
};

// The iconv sides build a new result per call like the core does, room for
// the largest possible result included, so both sides pay for one allocation.
Utf16Text IconvToUtf16(Iconv& iconv_cp932, SystemTextView text) {
    Utf16Text units(text.size(), u'\0');
    const std::size_t written = iconv_cp932.Convert(text.data(), text.size(), units.data(),
                                                    units.size() * sizeof(Utf16Unit));
    if (written == std::string::npos) return {};
    units.resize(written / sizeof(Utf16Unit));
    return units;
}

SystemText IconvToSystem(Iconv& iconv_cp932, Utf16TextView units) {
    SystemText text(units.size() * kMaxBytesPerUnit, '\0');
    const std::size_t written = iconv_cp932.Convert(units.data(), units.size() * sizeof(Utf16Unit),
                                                    text.data(), text.size());
    if (written == std::string::npos) return {};
    text.resize(written);
    return text;
}

// The listing as one would first write it: convert, then one snprintf per
// line with the character converted back on its own.
SystemText SnprintfCodeListing(SystemTextView text) {
    const Utf16Text units = SystemToUtf16(text);
    SystemText listing;
    for (const Utf16Unit unit : units) {
        if (unit <= 0x20) continue;
        const SystemText character = Utf16ToSystem(Utf16TextView(&unit, 1));
        char line[32];
        const int length = std::snprintf(line, sizeof line, "%s\t%u\t0x%08X\r\n", character.c_str(),
                                         static_cast<unsigned>(unit), static_cast<unsigned>(unit));
        listing.append(line, static_cast<std::size_t>(length));
    }
    return listing;
}

void BM_SystemToUtf16(benchmark::State& state) {
    const SystemText& sample = Sample();
    for (auto _ : state) {
        Utf16Text units = SystemToUtf16(sample);
        benchmark::DoNotOptimize(units.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(sample.size()));
}

void BM_SystemToUtf16_iconv(benchmark::State& state) {
    const SystemText& sample = Sample();
    Iconv iconv_cp932(kUtf16Name, "CP932");
    if (!iconv_cp932.Ok()) {
        state.SkipWithError("iconv has no CP932 converter");
        return;
    }
    // Both sides must do the same work, or the ratio means nothing.
    if (IconvToUtf16(iconv_cp932, sample) != SampleUnits()) {
        state.SkipWithError("iconv reads the sample differently");
        return;
    }
    for (auto _ : state) {
        Utf16Text units = IconvToUtf16(iconv_cp932, sample);
        benchmark::DoNotOptimize(units.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(sample.size()));
}

void BM_Utf16ToSystem(benchmark::State& state) {
    const Utf16Text& units = SampleUnits();
    for (auto _ : state) {
        SystemText text = Utf16ToSystem(units);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(state.iterations() * SampleUnitBytes());
}

void BM_Utf16ToSystem_iconv(benchmark::State& state) {
    const Utf16Text& units = SampleUnits();
    Iconv iconv_cp932("CP932", kUtf16Name);
    if (!iconv_cp932.Ok()) {
        state.SkipWithError("iconv has no CP932 converter");
        return;
    }
    if (IconvToSystem(iconv_cp932, units) != Utf16ToSystem(units)) {
        state.SkipWithError("iconv writes the sample differently");
        return;
    }
    for (auto _ : state) {
        SystemText text = IconvToSystem(iconv_cp932, units);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(state.iterations() * SampleUnitBytes());
}

void BM_FormatCodeListing(benchmark::State& state) {
    const SystemText& sample = Sample();
    for (auto _ : state) {
        SystemText listing = FormatCodeListing(sample);
        benchmark::DoNotOptimize(listing.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(sample.size()));
}

void BM_FormatCodeListing_snprintf(benchmark::State& state) {
    const SystemText& sample = Sample();
    if (SnprintfCodeListing(sample) != FormatCodeListing(sample)) {
        state.SkipWithError("the snprintf listing differs from FormatCodeListing");
        return;
    }
    for (auto _ : state) {
        SystemText listing = SnprintfCodeListing(sample);
        benchmark::DoNotOptimize(listing.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(sample.size()));
}

BENCHMARK(BM_SystemToUtf16);
BENCHMARK(BM_SystemToUtf16_iconv);
BENCHMARK(BM_Utf16ToSystem);
BENCHMARK(BM_Utf16ToSystem_iconv);
BENCHMARK(BM_FormatCodeListing);
BENCHMARK(BM_FormatCodeListing_snprintf);

}  // namespace
}  // namespace dividir::bench
