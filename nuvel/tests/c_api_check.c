/* The library's C call used from plain C, as a C caller of the DLL would:
 * selectors, the substitute, the refusals. Returns NULL when every check
 * passes, else the name of the first that failed. */
#include <string.h>

#include "nuvel/core/c_api.h"
#include "nuvel/include/nuvel/nuvel.h"

const char *nuvel_c_api_check(void) {
  static const char euc[] = "\xA4\xA2" "a";          /* あa */
  static const char sjis_want[] = "\x82\xA0" "a";
  char out[64];
  int32_t n;

  n = nuvel_convert(NUVEL_EUCJP, euc, 3, NUVEL_SHIFT_JIS, out);
  if (n != 3 || memcmp(out, sjis_want, 3) != 0) return "EUC-JP selector";
  n = nuvel_convert(NUVEL_DETECT, "\xEF\xBB\xBF\xE3\x81\x82" "a", 7, NUVEL_SHIFT_JIS, out);
  if (n != 3 || memcmp(out, sjis_want, 3) != 0) return "detect selector";
  n = nuvel_convert(NUVEL_ISO2022JP, "\x1B$B$\"\x1B(Ba", 9, NUVEL_SHIFT_JIS, out);
  if (n != 3 || memcmp(out, sjis_want, 3) != 0) return "ISO-2022-JP selector";
  n = nuvel_convert(NUVEL_UTF8, "\xE3\x81\x82" "a", 4, NUVEL_SHIFT_JIS, out);
  if (n != 3 || memcmp(out, sjis_want, 3) != 0) return "UTF-8 selector";
  n = nuvel_convert(NUVEL_SHIFT_JIS, sjis_want, 3, NUVEL_SHIFT_JIS, out);
  if (n != 3 || memcmp(out, sjis_want, 3) != 0) return "Shift_JIS selector";
  n = nuvel_convert(NUVEL_UTF16, "\x42\x30" "a\0", 4, NUVEL_SHIFT_JIS, out);
  if (n != 3 || memcmp(out, sjis_want, 3) != 0) return "UTF-16 selector without a mark (little-endian)";
  n = nuvel_convert(NUVEL_UTF16, "\xFE\xFF\x30\x42", 4, NUVEL_SHIFT_JIS, out);
  if (n != 2 || memcmp(out, sjis_want, 2) != 0) return "UTF-16 selector, big-endian mark";
  n = nuvel_convert(NUVEL_UTF8, "\xFF", 1, NUVEL_SHIFT_JIS, out);
  if (n != 2 || (unsigned char)out[0] != NUVEL_SUBSTITUTE_LEAD || (unsigned char)out[1] != NUVEL_SUBSTITUTE_TRAIL)
    return "substitute";

  memset(out, 0x5A, sizeof out);
  if (nuvel_convert(NUVEL_EUCJP, euc, 3, 3, out) != 0 || out[0] != 0x5A) return "output selector 3";
  if (nuvel_convert(NUVEL_EUCJP, euc, 3, 0, out) != 0 || out[0] != 0x5A) return "output selector 0";
  if (nuvel_convert(6, euc, 3, NUVEL_SHIFT_JIS, out) != 0 || out[0] != 0x5A) return "input selector 6";
  if (nuvel_convert(-1, euc, 3, NUVEL_SHIFT_JIS, out) != 0) return "input selector -1";
  if (nuvel_convert(NUVEL_EUCJP, euc, 0, NUVEL_SHIFT_JIS, out) != 0) return "empty input";
  if (nuvel_convert(NUVEL_EUCJP, euc, -5, NUVEL_SHIFT_JIS, out) != 0) return "negative length";
  if (nuvel_convert(NUVEL_EUCJP, 0, 3, NUVEL_SHIFT_JIS, out) != 0) return "null input";
  if (nuvel_convert(NUVEL_EUCJP, euc, 3, NUVEL_SHIFT_JIS, 0) != 0) return "null output";
  if (nuvel_convert(NUVEL_EUCJP, euc, 0x40000000, NUVEL_SHIFT_JIS, out) != 0) return "length above 0x3FFFFFFF";
  if (out[0] != 0x5A) return "a refused call wrote";
  return 0;
}
