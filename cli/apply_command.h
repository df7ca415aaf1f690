// horodex-cli apply: the dates of list files applied to their paths.
#pragma once

#include "cli/arguments.h"
#include "cli/console.h"

// Reads every row of every list first. A list that cannot be read, a line that lacks a
// field and a date text that is no date are each reported (FILE:LINE: message for a line)
// and nothing is applied: 2. Then, unless this is a dry run, writes the backup when one is
// asked for and stamps every row as the window's Update does, reporting each row that
// fails: 1 when any did, 0 otherwise. Errors of the backup file are thrown.
int RunApply(const Arguments& arguments, Console& console);
