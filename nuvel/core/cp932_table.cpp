// The generated code page 932 tables (nuvel/cp932_tables.inc, written by
// nuvel/gen/gen_cp932_tables.py at build time); lookups are in the header.
#include "nuvel/core/cp932_table.h"

namespace nuvel::tables {
#include "nuvel/cp932_tables.inc"
}  // namespace nuvel::tables
