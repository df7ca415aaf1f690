// The order of the rows.
#pragma once

#include "listedit/compare_caseless.h"

// The column the list is ordered by: 0 date text, 1 path, 2 kind. Every run starts at 0.
extern int SortColumn;
