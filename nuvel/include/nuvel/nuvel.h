/* nuvel.dll: detects the encoding of Japanese text and converts it to
 * Shift_JIS as Windows writes it (code page 932, with the NEC and IBM
 * extensions). One exported function; usable from C and C++.
 */
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Input selectors (argument 1). */
#define NUVEL_DETECT       0  /* detect the encoding (see below) */
#define NUVEL_ISO2022JP    1  /* ISO-2022-JP: ASCII, JIS X 0201 Roman and
                                 katakana (ESC ( I, SO/SI), JIS X 0208,
                                 JIS X 0212 (ESC $ ( D) */
#define NUVEL_EUCJP        2  /* EUC-JP, with half-width katakana (0x8E) and
                                 JIS X 0212 (0x8F) */
#define NUVEL_UTF8         3  /* UTF-8, with or without a byte-order mark */
#define NUVEL_SHIFT_JIS    4  /* Shift_JIS / code page 932 */
#define NUVEL_UTF16        5  /* UTF-16; a byte-order mark picks the byte
                                 order, little-endian without one */

/* Output selector (argument 4): only NUVEL_SHIFT_JIS (4) is produced; any
 * other output selector, and an unknown input selector, writes nothing and
 * returns 0. */

/* Every character that code page 932 lacks, and every invalid or truncated
 * sequence, becomes this one substitute: 0x81 0xAC, the geta mark (U+3013).
 * Nothing is dropped silently; only byte-order marks and ISO-2022-JP escape
 * sequences produce no output of their own. */
#define NUVEL_SUBSTITUTE_LEAD  0x81
#define NUVEL_SUBSTITUTE_TRAIL 0xAC

/* At most this many output bytes per input byte; the caller's output area
 * must hold NUVEL_MAX_OUTPUT_PER_BYTE * length bytes. (Callers that reserve
 * eight bytes per input byte are safe.) */
#define NUVEL_MAX_OUTPUT_PER_BYTE 2

#ifdef _WIN32
#define NUVEL_CALL __stdcall
#else
#define NUVEL_CALL
#endif

/* Converts `length` bytes at `input` (read no further) from the encoding that
 * `input_selector` names to the encoding of `output_selector`, writing to
 * `output`. Returns the number of bytes written; 0 for an unknown selector,
 * a null area, a length of 0 or less, or a length above 0x3FFFFFFF (whose
 * count might not fit the result).
 *
 * Detection (NUVEL_DETECT): a byte-order mark; else ISO-2022-JP escape
 * sequences; else whichever of UTF-8, Shift_JIS and EUC-JP the bytes read
 * likelier as Japanese text, an HTML or XML charset declaration near the
 * start being taken when the bytes are valid in it. Pure 7-bit input is
 * copied unchanged.
 *
 * The arguments are five 32-bit values on 32-bit Windows (stdcall, exported
 * as "nuvel@20"); on 64-bit Windows the two areas are pointers and the
 * export is "nuvel".
 *
 * C++ code inside the library, whose namespace is also called nuvel, defines
 * NUVEL_SELECTORS_ONLY to take the constants without the prototype. */
#ifndef NUVEL_SELECTORS_ONLY
int32_t NUVEL_CALL nuvel(int32_t input_selector, const void *input, int32_t length,
                         int32_t output_selector, void *output);
#endif

#ifdef __cplusplus
}
#endif
