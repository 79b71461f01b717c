// veskchk.exe: creates the hidden main form, raises its load event and runs
// its message loop until the form is closed.
#include <windows.h>

#include "plugin/win/form_events.h"
#include "plugin/win/vesk_main_form.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  if (!vesk::win::create_main_form(instance)) return 1;
  vesk::win::Form_Load();
  return vesk::win::run_message_loop();
}
