#pragma once
// Benchmark of "Synchronisation optimale".

namespace galbix::bench {

/// Times the synchronisation of two profiles of 100 000 points with 20 synchronisation points each.
void BenchSynchro();

} // namespace galbix::bench
