#pragma once
// Benchmark of the G-code program.

namespace galbix::bench {

/// Times the program of a synchronised pair of 10^6 points per side (2 x 10^6 points), kerf
/// applied, written to disk; then of 2 x 10^6 points per side.
void BenchGCode();

} // namespace galbix::bench
