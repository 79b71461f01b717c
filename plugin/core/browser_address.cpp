// Lets only absolute web addresses through to the shell's "open" verb, with
// the characters that could split the browser's command line encoded.
#include "plugin/core/browser_address.h"

#include "plugin/core/text_funcs.h"

namespace vesk {
namespace {

bool starts_with_nocase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

// True when the authority after "//" names a host: it ends at the first
// "/", "?", "#" or backslash; user information and a port are not a host.
bool has_host(std::string_view rest) {
  const std::string_view authority = rest.substr(0, rest.find_first_of("/?#\\"));
  const std::size_t at = authority.rfind('@');
  std::string_view host = at == std::string_view::npos ? authority : authority.substr(at + 1);
  if (!host.empty() && host.front() == '[') {  // an IPv6 literal
    const std::size_t close = host.find(']');
    return close != std::string_view::npos && close > 1;
  }
  host = host.substr(0, host.find(':'));
  return !host.empty();
}

}  // namespace

std::optional<std::string> browser_address(std::string_view ansi_bytes) {
  std::string_view rest;
  if (starts_with_nocase(ansi_bytes, "http://")) {
    rest = ansi_bytes.substr(7);
  } else if (starts_with_nocase(ansi_bytes, "https://")) {
    rest = ansi_bytes.substr(8);
  } else {
    return std::nullopt;
  }
  if (!has_host(rest)) return std::nullopt;
  std::string out;
  out.reserve(ansi_bytes.size());
  for (char ch : ansi_bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c == 0x7F) return std::nullopt;
    if (c == '"') {
      out += "%22";
    } else if (c == ' ') {
      out += "%20";
    } else {
      out.push_back(ch);
    }
  }
  return out;
}

std::optional<std::string> browser_address_for(std::u16string_view url, const AnsiCodec& codec) {
  bool lossy = false;
  const std::string bytes = codec.encode(UnescapeTitle(url), &lossy);
  if (lossy) return std::nullopt;
  return browser_address(bytes);
}

}  // namespace vesk
