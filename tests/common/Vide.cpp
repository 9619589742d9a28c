// Keeps the shared test library non-empty before any shared helper exists.
namespace galbix::tests { int VideSansUsage = 0; }
