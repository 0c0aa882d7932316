#include "platform/video/OpaqueRuns.h"

namespace platform {

namespace {

// Wider moves pay off where the processor has them; the build itself runs on any x86-64.
using CopyRuns = void (*)(const RunWindow&);
CopyRuns bestCopyRuns() {
#if defined(__x86_64__)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2")) return copyRunsAvx2;
#endif
    return copyRunsPlain;
}

}  // namespace

void OpaqueRuns::clear(int width) {
    imageWidth = width;
    runs.clear();
    opaque.clear();
    rowStarts.assign(1, 0);
}

void OpaqueRuns::addRow(const std::uint16_t* row, int width, KeyRange key) {
    const std::size_t first = runs.size();
    int start = -1;
    auto step = [&](bool isOpaque, int x) {
        if (isOpaque && start < 0) {
            start = x;
        } else if (!isOpaque && start >= 0) {
            runs.push_back(OpaqueRun{start, x, 0});
            start = -1;
        }
    };
    int x = 0;
    // Eight pixels at a time; only blocks where a run starts or ends are looked into.
    for (; x + 8 <= width; x += 8) {
        const unsigned bits = opaqueBits8(row + x, key);
        if (bits == (start < 0 ? 0u : 0xFFu)) continue;
        for (int i = 0; i < 8; ++i) step((bits >> i) & 1u, x + i);
    }
    for (; x < width; ++x) step(!key.transparent(row[x]), x);
    if (start >= 0) runs.push_back(OpaqueRun{start, width, 0});
    for (std::size_t i = first; i < runs.size(); ++i) {
        runs[i].packed = static_cast<std::uint32_t>(opaque.size());
        opaque.insert(opaque.end(), row + runs[i].begin, row + runs[i].end);
    }
    rowStarts.push_back(static_cast<std::uint32_t>(runs.size()));
}

void OpaqueRuns::copy(int x, int y, int width, int height, std::uint16_t* out,
                      std::ptrdiff_t outPitch) const {
    static const CopyRuns copyRuns = bestCopyRuns();
    copyRuns(RunWindow{runs.data(), rowStarts.data(), opaque.data(), imageWidth, x, y, width,
                       height, out, outPitch});
}

}  // namespace platform
