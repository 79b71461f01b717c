// The check run of switch /G: StartCheck starts the download, htminf_Timer
// polls it every 100 ms, and FinishCheck converts, parses, detects, announces
// and rewrites the store, then begins the follow-up phase or ends.
//
// A check that brings no antenna page (no download, no converted text, or a
// text without the list region, such as a server's or a proxy's error page)
// is a failed check: the failure line is announced and the store files and
// the last menu stay exactly as they were.
#include <string>

#include "plugin/core/announcements.h"
#include "plugin/core/batch_file.h"
#include "plugin/core/detection.h"
#include "plugin/core/entry_store.h"
#include "plugin/core/menu_script.h"
#include "plugin/core/page_parser.h"
#include "plugin/win/converter_run.h"
#include "plugin/win/else_op.h"
#include "plugin/win/form_events.h"
#include "plugin/win/plugin_state.h"
#include "plugin/win/program_files.h"
#include "plugin/win/shell_open.h"
#include "plugin/win/transfer_link.h"
#include "plugin/win/vesk_main_form.h"
#include "plugin/win/vesk_opr.h"
#include "plugin/win/win_text.h"

namespace vesk::win {
namespace {

constexpr wchar_t kDownloadFile[] = L"vesk_dat.tmp";
constexpr wchar_t kBatchFile[] = L"vesk.bat";
constexpr wchar_t kConvertedFile[] = L"vesk_dat.txt";
constexpr wchar_t kOldStore[] = L"vesk_old.dat";
constexpr wchar_t kNewStore[] = L"vesk_new.dat";
constexpr wchar_t kMenuFile[] = L"vesk_lst.dat";

std::wstring in_app_dir(const wchar_t* name) { return plugin().app_dir + name; }

void delete_if_present(const std::wstring& path) {
  if (is_present(path)) DeleteFileW(path.c_str());
}

// The converted page, whole; nullopt when it is missing or empty, which
// means the converter did not run or produced nothing.
std::optional<std::u16string> converted_page() {
  auto bytes = read_file_bytes(in_app_dir(kConvertedFile));
  if (!bytes || bytes->empty()) return std::nullopt;
  return ansi_codec().decode(*bytes);
}

// Converts the downloaded page; true when the converter was run.
bool convert_download() {
  const AnsiCodec& codec = ansi_codec();
  bool lossy = false;
  std::string batch = codec.encode(batch_file_text(utf16(plugin().app_dir)), &lossy);
  bool ran = replace_file_whole(kBatchFile, batch) && run_batch_and_wait(kBatchFile);
  DeleteFileW(kBatchFile);
  DeleteFileW(in_app_dir(kDownloadFile).c_str());
  return ran;
}

std::vector<Entry> previous_entries() {
  auto bytes = read_file_bytes(in_app_dir(kOldStore));
  if (!bytes) return {};
  return read_store(ansi_codec().decode(*bytes));
}

bool write_text_file(const wchar_t* name, std::u16string_view text) {
  bool lossy = false;
  return replace_file_whole(in_app_dir(name), ansi_codec().encode(text, &lossy));
}

void fail_check() {
  SendScript(kTextDownloadFailed, nullptr);
  close_main_form();
}

}  // namespace

void StartCheck() {
  delete_if_present(in_app_dir(kDownloadFile));
  SendScript(kTextChecking, nullptr);
  bool lossy = false;
  std::string local_file = ansi_codec().encode(utf16(in_app_dir(kDownloadFile)), &lossy);
  start_http_download(antenna_page_address(), local_file);
  enable_timer(FormTimer::htminf, true);
}

void htminf_Timer() {
  int state = transfer_job_state();
  if (state == 0 || state == -1) FinishCheck();
}

void FinishCheck() {
  enable_timer(FormTimer::htminf, false);  // first, so no tick can start it again
  if (!is_present(in_app_dir(kDownloadFile))) return fail_check();
  if (!convert_download()) return fail_check();

  std::optional<std::u16string> text = converted_page();
  PageParse page = text ? parse_page(*text) : PageParse{};
  if (!page.has_list) {
    delete_if_present(in_app_dir(kConvertedFile));
    return fail_check();
  }

  PluginState& state = plugin();
  const bool had_store = is_present(in_app_dir(kOldStore));
  std::vector<Entry> previous = had_store ? previous_entries() : std::vector<Entry>{};
  Detection detection = detect_new(page.entries, had_store ? &previous : nullptr);
  if (detection.outcome != Outcome::NoPreviousData) write_text_file(kNewStore, store_text(detection.new_entries));
  state.new_entries = detection.new_entries;

  const bool found_new = detection.outcome == Outcome::NewEntries;
  std::u16string announcement = announcement_for(detection);
  if (found_new) write_text_file(kMenuFile, announcement + u"\r\n");
  HWND host = SendScript(announcement, nullptr);

  write_text_file(kOldStore, store_text(page.entries));
  DeleteFileW(in_app_dir(kConvertedFile).c_str());

  if (found_new && host)
    BeginFollowUp();
  else
    close_main_form();
}

}  // namespace vesk::win
