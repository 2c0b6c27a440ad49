// Runs a fixed number of full redraws for a profiler: the instruction counts callgrind gives are
// repeatable on a machine shared with other work, where times are not.
//
//   valgrind --tool=callgrind --toggle-collect='vntab::bench::ProfiledRedraws*'
//            build/default/bench/render/profile_redraw JUSTIFICATION LOOK [COUNT [TABS ROWS]]
//
// The control is drawn once before the profiled redraws, so fonts and glyphs are ready; the counts
// collected inside ProfiledRedraws divided by COUNT are the cost of one redraw.
#include "RedrawControl.h"

#include <cstdio>
#include <cstdlib>

namespace vntab::bench {

[[gnu::noinline]] uint32_t ProfiledRedraws(RedrawControl& control, int32_t count) {
    uint32_t seen = 0;
    for (int32_t i = 0; i < count; ++i)
        seen ^= control.Redraw();
    return seen;
}

} // namespace vntab::bench

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4 && argc != 6) {
        std::fprintf(stderr, "usage: %s JUSTIFICATION LOOK [COUNT [TABS ROWS]]\n", argv[0]);
        return 2;
    }
    const int32_t justification = std::atoi(argv[1]);
    const int32_t look = std::atoi(argv[2]);
    const int32_t count = argc > 3 ? std::atoi(argv[3]) : 10;
    const int32_t tabs = argc > 4 ? std::atoi(argv[4]) : 24;
    const int32_t rows = argc > 4 ? std::atoi(argv[5]) : 3;
    vntab::bench::RedrawControl control(tabs, static_cast<int16_t>(rows), justification, look);
    std::printf("%08x\n", vntab::bench::ProfiledRedraws(control, count));
    return 0;
}
