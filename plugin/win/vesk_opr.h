// Module vesk_opr: the check, the replay of the last result and the
// follow-up phase in which the host reports the entries the user picks.
#pragma once

#include <windows.h>

namespace vesk::win {

// Runs one check of the antenna page (switch /G): starts the download and
// the poll timer htminf.
void StartCheck();

// Ends the check once the download has ended: converts, parses, detects,
// announces, rewrites the store, then begins the follow-up phase or ends
// the program. Called only from htminf_Timer.
void FinishCheck();

// Sends the last menu again and loads its entries (switch /L); begins the
// follow-up phase when a host answered, else closes the form.
void ReplayLast();

// Begins the follow-up phase: EndTimer on, then HookWindow. At most once.
void BeginFollowUp();

// Installs HookProc as the form's window procedure, keeping the old one.
void HookWindow();
// Puts the old procedure back; does nothing when HookWindow never ran.
void UnhookWindow();
// The form's procedure during the follow-up phase: 10000 keeps the phase
// alive, 10001 opens entry n (lparam) and ends the phase at the next tick,
// everything else goes to the previous procedure.
LRESULT CALLBACK HookProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace vesk::win
