// The settings form's work: LoadSettings sets Check1 from the plug-in list,
// Command1_Click rewrites the list and asks a running host to reread it.
#include <windows.h>

#include <string>

#include "plugin/core/host_contract.h"
#include "plugin/core/plugin_list.h"
#include "plugin/win/else_op.h"
#include "plugin/win/form_events.h"
#include "plugin/win/plugin_state.h"
#include "plugin/win/program_files.h"
#include "plugin/win/unique_handle.h"
#include "plugin/win/vesk_main_form.h"
#include "plugin/win/win_text.h"

namespace vesk::win {
namespace {

constexpr wchar_t kPluginListFile[] = L"npplugin.txt";
constexpr wchar_t kListNotWritten[] =
    L"プラグインリスト(npplugin.txt)を書き込めませんでした。フォルダに書き込めるか確かめてください";

std::wstring plugin_list_path() { return plugin().app_dir + kPluginListFile; }

// The whole list in the ANSI code page, each line ended by CR LF, written
// through a temporary file so the host never reads half a list.
bool write_plugin_list(bool timed_check) {
  std::u16string text;
  for (const std::u16string& line : plugin_list_lines(timed_check)) text += line + u"\r\n";
  return replace_file_whole(plugin_list_path(), ansi_codec().encode(text, nullptr));
}

// NPRefresh of the host's library, two folders above the program folder.
void refresh_host_lists() {
  const std::wstring library = plugin().app_dir + wide_ascii(kHostLibraryPath);
  if (!is_present(library)) return;
  LoadedModule host_library(LoadLibraryW(library.c_str()));
  if (!host_library) return;
  if (FARPROC refresh = GetProcAddress(host_library.get(), kRefreshExport)) refresh();
}

}  // namespace

void LoadSettings() {
  const std::wstring path = plugin_list_path();
  if (!is_present(path)) {
    set_check1(true);
    return;
  }
  // An unreadable list counts as one without the timed line.
  const auto bytes = read_file_bytes(path);
  set_check1(bytes && list_has_timed_line(ansi_codec().decode(*bytes)));
}

void Command1_Click() {
  // The mutex only tells whether the host runs; it is never waited on.
  KernelHandle host_running(OpenMutexA(MUTEX_ALL_ACCESS, FALSE, kMutexName));
  if (!write_plugin_list(check1_value())) {
    MessageBoxW(plugin().form, kListNotWritten, wide(kSenderName).c_str(), MB_ICONERROR | MB_OK);
    return;
  }
  if (host_running) refresh_host_lists();
  host_running.reset();
  close_main_form();
}

}  // namespace vesk::win
