// The library's one call as a plain C function, shared by the Windows export
// (nuvel/win) and the native tests. Selectors are those of
// nuvel/include/nuvel/nuvel.h.
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Converts `length` bytes at `input` as selected, writing to `output` (which
 * holds at least NUVEL_MAX_OUTPUT_PER_BYTE * length bytes). Returns the
 * bytes written; 0 for an unknown selector, a non-positive length, a length
 * above INT32_MAX / 2 (the count would not fit) or a null area. Never reads past input + length. */
int32_t nuvel_convert(int32_t input_selector, const void *input, int32_t length, int32_t output_selector,
                      void *output);

#ifdef __cplusplus
}
#endif
