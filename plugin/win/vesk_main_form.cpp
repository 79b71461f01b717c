// The main form: window class, layout (twips at 15 per pixel), the window
// procedure that maps control and timer events to the form's event
// handlers, closing, and the message loop.
#include "plugin/win/vesk_main_form.h"

#include "plugin/win/form_events.h"
#include "plugin/win/plugin_state.h"

namespace vesk::win {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int px(int twips) { return twips / kTwipsPerPixel; }

enum ControlId : int { kCheck1 = 101, kCommand1 = 102 };

constexpr wchar_t kFormClass[] = L"vesk_main";
constexpr wchar_t kFormCaption[] = L"ピルトナー設定";
constexpr wchar_t kCheck1Caption[] = L"15分間隔で自動チェック";
constexpr wchar_t kCommand1Caption[] = L"OK";
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;  // no minimise, no maximise box

UINT timer_interval(FormTimer timer) { return timer == FormTimer::EndTimer ? 1000 : 100; }

LRESULT CALLBACK form_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wparam) == kCommand1 && HIWORD(wparam) == BN_CLICKED) Command1_Click();
      return 0;
    case WM_TIMER:
      if (wparam == static_cast<UINT_PTR>(FormTimer::EndTimer)) EndTimer_Timer();
      if (wparam == static_cast<UINT_PTR>(FormTimer::htminf)) htminf_Timer();
      return 0;
    case WM_CLOSE:  // the close box of the visible settings form
      close_main_form();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

HWND add_control(HWND form, const wchar_t* cls, const wchar_t* caption, DWORD style, int id, int left, int top,
                 int width, int height) {
  HWND control = CreateWindowExW(0, cls, caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, px(left), px(top),
                                 px(width), px(height), form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(form, GWLP_HINSTANCE)), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return control;
}

}  // namespace

bool create_main_form(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = form_proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kFormClass;
  if (!RegisterClassExW(&wc)) return false;

  RECT frame{0, 0, px(3360), px(840)};  // client area
  AdjustWindowRectEx(&frame, kFormStyle, FALSE, 0);
  HWND form = CreateWindowExW(0, kFormClass, kFormCaption, kFormStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                              frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
  if (!form) return false;
  PluginState& state = plugin();
  state.form = form;
  state.check1 = add_control(form, L"BUTTON", kCheck1Caption, BS_AUTOCHECKBOX, kCheck1, 120, 120, 2175, 255);
  state.command1 = add_control(form, L"BUTTON", kCommand1Caption, BS_DEFPUSHBUTTON, kCommand1, 1800, 480, 1455, 300);
  return true;
}

void enable_timer(FormTimer timer, bool on) {
  HWND form = plugin().form;
  const auto id = static_cast<UINT_PTR>(timer);
  if (on)
    SetTimer(form, id, timer_interval(timer), nullptr);
  else
    KillTimer(form, id);
}

void close_main_form() {
  PluginState& state = plugin();
  if (state.closing || !state.form) return;
  state.closing = true;
  Form_QueryUnload();
  enable_timer(FormTimer::EndTimer, false);
  enable_timer(FormTimer::htminf, false);
  DestroyWindow(state.form);
}

void show_main_form() {
  ShowWindow(plugin().form, SW_SHOWNORMAL);
  SetForegroundWindow(plugin().form);
}

bool check1_value() { return SendMessageW(plugin().check1, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void set_check1(bool on) { SendMessageW(plugin().check1, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }

int run_message_loop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Tab and Enter work on the visible settings form as on a dialog.
    HWND form = plugin().form;
    if (form && IsWindowVisible(form) && IsDialogMessageW(form, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace vesk::win
