// horodex-cli list: the rows that a drop of the paths gives, as a list file.
#pragma once

#include "cli/arguments.h"
#include "cli/console.h"

// Walks each path in turn, builds a row for every path found and orders the rows by date
// text as the window's sort does (rows of the same date keep their order), then writes the
// list to standard output or, through a new file that replaces it, to the output file. With
// a date source, a file's date is the one that the source gives, to the second; the files
// it gives none keep their last-write date (or are left out with --only-dated), and their
// count is reported. A folder that cannot be listed and a path whose date cannot be read
// are reported and left out: 1 when any was, 0 otherwise. Errors of the output file are
// thrown.
int RunList(const Arguments& arguments, Console& console);
