// Mutates a saved workbook many times and opens each mutation: the reader never crashes, never
// allocates more than the file could justify, frees everything it built, and whatever it accepts
// the writer saves into a file it accepts again, byte for byte the same after one more round.
//
// workbook_fuzz [files to try] [seed]

#include "tests/support/AllocationProbe.h"
#include "tests/workbook/ChartSamples.h"
#include "tests/workbook/WorkbookSamples.h"

#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

constexpr size_t kLargestJustified = 1 << 20;

std::vector<uint8_t> Mutate(std::vector<uint8_t> bytes, std::mt19937& random)
{
    auto pick = [&](size_t n) { return n ? size_t(random() % n) : 0; };
    static const int32_t kValues[] = {0,
                                      1,
                                      -1,
                                      2,
                                      255,
                                      256,
                                      0xFFFE,
                                      0xFFFF,
                                      0x10000,
                                      0x7FFFFFFF,
                                      int32_t(0x80000000),
                                      1 << 20,
                                      (1 << 20) + 1,
                                      1 << 14,
                                      33554432};
    int edits = 1 + int(random() % 4);
    for (int e = 0; e < edits && !bytes.empty(); ++e) {
        size_t at = pick(bytes.size());
        switch (random() % 6) {
        case 0:
            bytes[at] ^= uint8_t(1u << (random() % 8));
            break;
        case 1:
            bytes[at] = uint8_t(random());
            break;
        case 2:
            if (at + 4 <= bytes.size()) {
                int32_t v = kValues[pick(std::size(kValues))];
                std::memcpy(bytes.data() + at, &v, 4);
            }
            break;
        case 3:
            bytes.resize(at);
            break;
        case 4:
            bytes.erase(bytes.begin() + std::ptrdiff_t(at),
                        bytes.begin() + std::ptrdiff_t(std::min(bytes.size(), at + 1 + pick(16))));
            break;
        default:
            bytes.insert(bytes.begin() + std::ptrdiff_t(at), 1 + pick(8), uint8_t(random()));
            break;
        }
    }
    return bytes;
}

std::vector<uint8_t> SaveLoaded(std::vector<CLoadedPage>& pages, CHeaderFlags flags)
{
    std::vector<CPageToSave> save;
    for (CLoadedPage& p : pages)
        save.push_back({p.page.get(), p.cells.get()});
    return SaveBytes(save, flags);
}

CHeaderFlags FlagsOf(const std::vector<uint8_t>& bytes)
{
    CArchiveReader in(bytes.data(), bytes.size());
    in.ReadString();
    in.ReadString();
    in.ReadInt();
    CHeaderFlags flags;
    flags.bRowHeader = in.ReadInt();
    flags.bColHeader = in.ReadInt();
    return flags;
}

} // namespace

int main(int argc, char** argv)
{
    const long files = argc > 1 ? std::atol(argv[1]) : 100000;
    const unsigned seed = argc > 2 ? unsigned(std::atol(argv[2])) : 17u;
    std::mt19937 random(seed);

    // Every other file is a mutation of the workbook with charts.
    std::vector<uint8_t> originals[2];
    {
        SamplePage a("报表", 12, 8), b("Sheet2", 3, 4, 0, 0, 1);
        FillSample(a);
        b.Cell(2, 3).SetText("尾");
        CPageToSave pages[] = {a.ToSave(), b.ToSave()};
        originals[0] = SaveBytes(pages, CHeaderFlags{1, 0});
        AddSampleCharts(*b.page);
        originals[1] = SaveBytes(pages, CHeaderFlags{1, 0});
    }

    const long long baseline = AllocationProbe::Live();
    long tried = 0, read = 0, failures = 0;
    for (; tried < files; ++tried) {
        {
            std::vector<uint8_t> bytes = Mutate(originals[tried % 2], random);
            AllocationProbe::ResetLargest();
            std::vector<CLoadedPage> pages;
            CReadResult result = LoadBytes(bytes, pages);
            if (AllocationProbe::Largest() > kLargestJustified) {
                std::printf("file %ld: an allocation of %zu bytes\n", tried, AllocationProbe::Largest());
                ++failures;
            }
            if (result == CReadResult::Read) {
                ++read;
                std::vector<uint8_t> saved = SaveLoaded(pages, FlagsOf(bytes));
                std::vector<CLoadedPage> again;
                if (LoadBytes(saved, again) != CReadResult::Read ||
                    SaveLoaded(again, FlagsOf(saved)) != saved) {
                    std::printf("file %ld: what was read does not come back the same\n", tried);
                    ++failures;
                }
            }
        }
        if (AllocationProbe::Live() != baseline) {
            std::printf("file %ld: %lld blocks left behind\n", tried, AllocationProbe::Live() - baseline);
            ++failures;
        }
        if (failures > 10)
            break;
    }
    std::printf("workbook_fuzz: %ld files tried (seed %u), %ld read, %ld refused, %ld failures\n", tried,
                seed, read, tried - read, failures);
    return failures ? 1 : 0;
}
