// horodex-cli shift: the dates of list files moved by one offset.
#pragma once

#include "cli/arguments.h"
#include "cli/console.h"

// Reads every row of every list and moves its date. A list that cannot be read, a line that
// lacks a field, a date text that is no date and a date moved out of the range of file times
// are each reported (FILE:LINE: message for a line) and nothing is written: 2. Otherwise
// writes all the rows, in the order read, to the output file, or each list's rows in place of
// that list, each file through a new file that replaces it: 0. Errors of writing are thrown.
int RunShift(const Arguments& arguments, Console& console);
