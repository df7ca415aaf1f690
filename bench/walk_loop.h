#pragma once

#include <string>

// Walks every folder under `root` with the fewest calls, its top folders shared out to
// `threads` threads, and prints the time taken.
void RunWalkLoop(const std::string& root, unsigned threads);
