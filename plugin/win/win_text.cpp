// Conversions between the plug-in's UTF-16 text, wide strings and the
// system's ANSI code page.
#include "plugin/win/win_text.h"

#include <windows.h>

namespace vesk::win {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring wide(std::u16string_view text) {
  return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

std::u16string utf16(std::wstring_view text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

std::wstring wide_ascii(std::string_view text) { return std::wstring(text.begin(), text.end()); }

namespace {

class WindowsAnsiCodec final : public AnsiCodec {
 public:
  std::string encode(std::u16string_view text, bool* lossy) const override {
    if (lossy) *lossy = false;
    if (text.empty()) return {};
    const auto* src = reinterpret_cast<const wchar_t*>(text.data());
    const int units = static_cast<int>(text.size());
    BOOL used_default = FALSE;
    int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, src, units, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n : 0, '\0');
    if (n > 0) WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, src, units, out.data(), n, nullptr, &used_default);
    if (lossy) *lossy = used_default != FALSE || n <= 0;
    return out;
  }

  std::u16string decode(std::string_view bytes) const override {
    if (bytes.empty()) return {};
    const int count = static_cast<int>(bytes.size());
    int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), count, nullptr, 0);
    std::wstring out(n > 0 ? n : 0, L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, bytes.data(), count, out.data(), n);
    return utf16(out);
  }
};

}  // namespace

const AnsiCodec& ansi_codec() {
  static const WindowsAnsiCodec codec;
  return codec;
}

}  // namespace vesk::win
