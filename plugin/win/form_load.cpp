// Form_Load and Form_QueryUnload: the program's start (program directory,
// current directory, companion files, switch dispatch) and the last step
// before the main form closes.
#include <windows.h>

#include <array>
#include <string>

#include "plugin/core/host_contract.h"
#include "plugin/core/switches.h"
#include "plugin/win/else_op.h"
#include "plugin/win/form_events.h"
#include "plugin/win/plugin_state.h"
#include "plugin/win/program_files.h"
#include "plugin/win/shell_open.h"
#include "plugin/win/vesk_main_form.h"
#include "plugin/win/vesk_opr.h"
#include "plugin/win/win_text.h"

namespace vesk::win {
namespace {

// Files that must lie beside the program, tested in this order.
constexpr std::array<const wchar_t*, 3> kCompanionFiles = {L"mojiro.exe", L"qvftp.dll", L"nuvel.dll"};

// The arguments as one text: the command line after the program name,
// without the blanks that separate them from it.
std::wstring command_text() {
  const wchar_t* p = GetCommandLineW();
  if (*p == L'"') {
    ++p;
    while (*p && *p != L'"') ++p;
    if (*p) ++p;
  } else {
    while (*p && *p != L' ' && *p != L'\t') ++p;
  }
  while (*p == L' ' || *p == L'\t') ++p;
  return p;
}

// The running program's directory, ending in exactly one backslash (a
// program at a drive root gives "C:\").
std::wstring program_directory() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return L".\\";
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

void report_missing(const wchar_t* file) {
  const std::wstring text = std::wstring(L"必要なファイル") + file + L"がありません。インストールしなおしてください";
  MessageBoxW(plugin().form, text.c_str(), wide(kSenderName).c_str(), MB_ICONERROR | MB_OK);
}

}  // namespace

void Form_Load() {
  PluginState& state = plugin();
  const std::wstring command = command_text();
  state.app_dir = program_directory();
  SetCurrentDirectoryW(state.app_dir.c_str());

  for (const wchar_t* file : kCompanionFiles) {
    if (!is_present(state.app_dir + file)) {
      report_missing(file);
      close_main_form();
      return;
    }
  }

  bool keep_running = false;
  switch (parse_switch(utf16(command))) {
    case Switch::Check:
      keep_running = true;
      StartCheck();
      break;
    case Switch::Replay:
      keep_running = true;
      ReplayLast();
      break;
    case Switch::Settings:
      keep_running = true;
      LoadSettings();
      show_main_form();
      break;
    case Switch::Browse:
      shell_open(antenna_page_address());
      break;
    case Switch::None:
      break;
  }
  if (!keep_running) close_main_form();
}

void Form_QueryUnload() { UnhookWindow(); }

}  // namespace vesk::win
