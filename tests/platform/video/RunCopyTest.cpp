#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/video/RunCopy.h"

using platform::OpaqueRun;
using platform::RunWindow;

// A sheet-wide row of runs of every length class, copied through windows that start anywhere
// and cut runs on either side, by the plain loop and, where the processor has it, the AVX2 one:
// exactly the runs' pixels inside the window are written.
TEST(RunCopyTest, CopiesExactlyTheRunsInsideTheWindow) {
    std::vector<void (*)(const RunWindow&)> loops{platform::copyRunsPlain};
#if defined(__x86_64__)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2")) loops.push_back(platform::copyRunsAvx2);
#endif
    std::vector<OpaqueRun> runs;
    std::vector<std::uint16_t> packed;
    int width = 1;
    for (int length : {1, 2, 3, 4, 7, 8, 9, 15, 16, 17, 31, 32, 33, 40, 64, 65, 70}) {
        runs.push_back({width, width + length, static_cast<std::uint32_t>(packed.size())});
        for (int i = 0; i < length; ++i)
            packed.push_back(static_cast<std::uint16_t>(0x100 + width + i));
        width += length + 2;
    }
    const std::uint32_t rowStarts[] = {0, static_cast<std::uint32_t>(runs.size())};
    for (auto copyRuns : loops) {
        for (int x = 0; x < width; x += 3) {
            for (int count : {1, 5, 37, width - x}) {
                count = std::min(count, width - x);
                std::vector<std::uint16_t> out(static_cast<std::size_t>(count) + 2, 0xEEEE);
                copyRuns(RunWindow{runs.data(), rowStarts, packed.data(), width, x, 0, count, 1,
                                   out.data() + 1, 0});
                std::vector<std::uint16_t> expected(out.size(), 0xEEEE);
                for (const OpaqueRun& run : runs) {
                    for (int c = std::max(run.begin, x); c < std::min(run.end, x + count); ++c) {
                        expected[static_cast<std::size_t>(c - x + 1)] =
                            static_cast<std::uint16_t>(0x100 + c);
                    }
                }
                ASSERT_EQ(out, expected) << "x " << x << " width " << count;
            }
        }
    }
}
