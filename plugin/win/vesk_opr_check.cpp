// The check run of switch /G: StartCheck and the download poll htminf_Timer.
// The check itself is not part of this build yet: StartCheck ends the
// program at once, and the poll timer is never turned on.
#include "plugin/win/form_events.h"
#include "plugin/win/vesk_main_form.h"
#include "plugin/win/vesk_opr.h"

namespace vesk::win {

void StartCheck() { close_main_form(); }

void htminf_Timer() {}

}  // namespace vesk::win
