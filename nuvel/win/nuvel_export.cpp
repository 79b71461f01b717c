// nuvel.dll's one export. On i686 the stdcall name is decorated, so the DLL
// exports "nuvel@20" (five 4-byte arguments); on x64 it exports "nuvel" and
// the two areas are pointers.
#include "nuvel/core/c_api.h"
#include "nuvel/include/nuvel/nuvel.h"

extern "C" __declspec(dllexport) int32_t NUVEL_CALL nuvel(int32_t input_selector, const void* input, int32_t length,
                                                          int32_t output_selector, void* output) {
  return nuvel_convert(input_selector, input, length, output_selector, output);
}
