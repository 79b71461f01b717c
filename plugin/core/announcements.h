// Fixed texts the mascot says for the plug-in. "\\e" is the two characters
// backslash and e of the host's script language.
#pragma once

namespace vesk {

inline constexpr char16_t kTextNoPreviousData[] = u"前回のデータがないから比較できないよ～\\e";
inline constexpr char16_t kTextNothingNew[] = u"新着なし～\\e";
inline constexpr char16_t kTextChecking[] = u"アンテナチェック中～\\e";
inline constexpr char16_t kTextDownloadFailed[] = u"取得失敗。このマシン、ネットに繋がってる？";
inline constexpr char16_t kTextNoSavedResult[] = u"前回のデータがないよ～";

}  // namespace vesk
