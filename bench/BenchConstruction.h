#pragma once
// Benchmark of the cleaning and offset commands.

namespace galbix::bench {

/// Times the total and the synchronous cleaning of two 1 000 000-point sides, the offset of
/// a closed 100 000-point outline and a smoothing, and prints one line per figure.
void BenchConstruction();

} // namespace galbix::bench
