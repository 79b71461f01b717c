// HTML / XML charset declarations (see charset_hint.h).
#include "nuvel/core/charset_hint.h"

#include <algorithm>
#include <cstring>

namespace nuvel {
namespace {

inline char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool starts_with_nocase(const char* p, std::size_t left, const char* word) noexcept {
  std::size_t len = std::strlen(word);
  if (left < len) return false;
  for (std::size_t k = 0; k < len; ++k)
    if (lower(p[k]) != word[k]) return false;
  return true;
}

bool is_name_char(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
         c == '.' || c == ':';
}

struct alias {
  const char* name;
  encoding e;
};

constexpr alias kAliases[] = {
    {"shift_jis", encoding::shift_jis}, {"shift-jis", encoding::shift_jis}, {"sjis", encoding::shift_jis},
    {"x-sjis", encoding::shift_jis},    {"windows-31j", encoding::shift_jis}, {"cp932", encoding::shift_jis},
    {"ms932", encoding::shift_jis},     {"ms_kanji", encoding::shift_jis}, {"csshiftjis", encoding::shift_jis},
    {"euc-jp", encoding::eucjp},        {"x-euc-jp", encoding::eucjp},     {"eucjp", encoding::eucjp},
    {"euc_jp", encoding::eucjp},        {"cseucpkdfmtjapanese", encoding::eucjp},
    {"iso-2022-jp", encoding::iso2022jp}, {"csiso2022jp", encoding::iso2022jp}, {"jis", encoding::iso2022jp},
    {"utf-8", encoding::utf8},          {"utf8", encoding::utf8},
};

}  // namespace

std::optional<encoding> encoding_from_charset_name(const char* name, std::size_t length) noexcept {
  for (const alias& a : kAliases)
    if (std::strlen(a.name) == length && starts_with_nocase(name, length, a.name)) return a.e;
  return std::nullopt;
}

std::optional<encoding> find_charset_hint(const char* in, std::size_t n) noexcept {
  std::size_t end = std::min(n, kCharsetHintWindow);
  for (std::size_t i = 0; i < end; ++i) {
    std::size_t key;
    if (starts_with_nocase(in + i, end - i, "charset")) key = 7;
    else if (starts_with_nocase(in + i, end - i, "encoding")) key = 8;
    else continue;
    std::size_t p = i + key;
    while (p < end && in[p] == ' ') ++p;
    if (p >= end || in[p] != '=') continue;
    ++p;
    while (p < end && (in[p] == ' ' || in[p] == '"' || in[p] == '\'')) ++p;
    std::size_t start = p;
    while (p < end && is_name_char(in[p])) ++p;
    if (auto e = encoding_from_charset_name(in + start, p - start)) return e;
  }
  return std::nullopt;
}

}  // namespace nuvel
