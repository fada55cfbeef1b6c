#pragma once
// The two floors every figure is set against, for the file at a given path: the least a read can
// cost (reading the file into memory once and counting its lines) and the least a durable write
// can cost (a new file beside the target, flushed to disk, renamed over the target, and the
// folder flushed so that the rename survives a power cut). An operation's ratio to its floor says
// how much it adds to what no implementation can avoid.
#include <benchmark/benchmark.h>

#include <string>

namespace kgh::bench {

void RunReadFloor(benchmark::State& state, const std::string& path);

// Rewrites the file with its own bytes, so that it is the same after every iteration.
void RunDurableRewriteFloor(benchmark::State& state, const std::string& path);

}  // namespace kgh::bench
