#pragma once

#include <string>

// Stamps every file under `root` with the fewest system calls, on `threads` threads, and
// prints the time taken.
void RunStampLoop(const std::string& root, unsigned threads);
