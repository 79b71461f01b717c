// Script delivery to the host shell: SendScript wraps a script into an SSTP
// request in the ANSI code page and hands it over with WM_COPYDATA;
// FindHostWindow reads the host window's handle from the shared memory
// "Sakura".
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "plugin/core/host_block.h"
#include "plugin/core/host_contract.h"
#include "plugin/core/sstp_request.h"
#include "plugin/win/else_op.h"
#include "plugin/win/plugin_state.h"
#include "plugin/win/unique_handle.h"
#include "plugin/win/win_text.h"

namespace vesk::win {
namespace {

// Window handles travel as 32-bit decimal numbers (they are 32-bit values
// even in 64-bit processes).
std::uint64_t handle_number(HWND window) { return static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(window)); }
// How long a script request may take the host to handle.
constexpr UINT kHostSendTimeoutMs = 10000;

HWND handle_from_number(std::uint32_t number) { return reinterpret_cast<HWND>(static_cast<UINT_PTR>(number)); }

}  // namespace

HWND SendScript(std::u16string_view script, HWND host_window) {
  if (!host_window) host_window = FindHostWindow();
  HWND form = plugin().form;
  const std::string request = ansi_codec().encode(build_sstp_request(script, handle_number(form)), nullptr);
  if (host_window) {
    COPYDATASTRUCT record{};
    record.dwData = kCopyDataId;
    record.cbData = static_cast<DWORD>(request.size());
    record.lpData = const_cast<char*>(request.data());
    // Synchronous as the host expects, but bounded: the handle comes from
    // shared memory that any program can write, and a window that no longer
    // handles messages must not hold the plug-in for ever.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(host_window, WM_COPYDATA, reinterpret_cast<WPARAM>(form), reinterpret_cast<LPARAM>(&record),
                        SMTO_NORMAL | SMTO_ABORTIFHUNG, kHostSendTimeoutMs, &ignored);
  }
  return host_window;
}

HWND FindHostWindow() {
  KernelHandle mapping(OpenFileMappingA(FILE_MAP_READ, TRUE, kSharedMemoryName));
  if (!mapping) return nullptr;
  MappedView view(MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0));
  if (!view) return nullptr;

  // The copy has one byte more than is looked at, always 0. A mapping
  // smaller than the block is read only as far as its pages reach.
  std::string block(kHostBlockBytes + 1, '\0');
  MEMORY_BASIC_INFORMATION region{};
  const size_t readable = VirtualQuery(view.get(), &region, sizeof region) ? region.RegionSize : 0;
  std::memcpy(block.data(), view.get(), std::min(kHostBlockBytes, readable));
  view.reset();

  return handle_from_number(parse_host_block(ansi_codec().decode(block)));
}

}  // namespace vesk::win
