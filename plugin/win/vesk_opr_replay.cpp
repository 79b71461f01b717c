// ReplayLast (switch /L): sends the last menu script again, unchanged, and
// loads the entries of the last page so that the menu's numbers resolve.
#include <string>

#include "plugin/core/announcements.h"
#include "plugin/core/entry_store.h"
#include "plugin/win/else_op.h"
#include "plugin/win/plugin_state.h"
#include "plugin/win/program_files.h"
#include "plugin/win/vesk_main_form.h"
#include "plugin/win/vesk_opr.h"
#include "plugin/win/win_text.h"

namespace vesk::win {

void ReplayLast() {
  PluginState& state = plugin();
  const std::wstring menu_file = state.app_dir + L"vesk_lst.dat";
  const std::wstring store_file = state.app_dir + L"vesk_old.dat";

  std::u16string script = kTextNoSavedResult;
  state.new_entries.clear();
  if (is_present(menu_file) && is_present(store_file)) {
    const auto menu = read_file_bytes(menu_file);
    const auto store = menu ? read_file_bytes(store_file) : std::nullopt;
    if (menu && store) {
      script = ansi_codec().decode(*menu);
      state.new_entries = read_store(ansi_codec().decode(*store));
    }
  }

  if (SendScript(script, nullptr))
    BeginFollowUp();
  else
    close_main_form();
}

}  // namespace vesk::win
