#pragma once
// Benchmark of the editing commands on two 100 000-point profiles.

namespace galbix::bench {

/// Times a transform with its two snapshots, a full history of snapshots, an undo and the
/// selection commands, and prints one line per figure.
void BenchEdition();

} // namespace galbix::bench
