// Cp932Codec on the Windows converter, code page 932 without best fit:
// the same conversion the plug-in makes on a Japanese system.
#ifdef _WIN32

#include <windows.h>

#include "plugin/tests/support/cp932_codec.h"

namespace vesk::fixture {
namespace {
constexpr UINT kCodePage = 932;
}

std::string Cp932Codec::encode(std::u16string_view text, bool* lossy) const {
  if (lossy) *lossy = false;
  if (text.empty()) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  BOOL used_default = FALSE;
  const int size = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0,
                                       "?", &used_default);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, length, out.data(), size, "?",
                      &used_default);
  if (lossy) *lossy = used_default != FALSE;
  return out;
}

std::u16string Cp932Codec::decode(std::string_view bytes) const {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  const int size = MultiByteToWideChar(kCodePage, 0, bytes.data(), length, nullptr, 0);
  std::u16string out(static_cast<std::size_t>(size), u'\0');
  MultiByteToWideChar(kCodePage, 0, bytes.data(), length, reinterpret_cast<wchar_t*>(out.data()),
                      size);
  return out;
}

}  // namespace vesk::fixture

#endif  // _WIN32
