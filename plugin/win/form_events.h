// Event handlers of the main form vesk_main: its load and close, the OK
// button of the settings form and the ticks of its two timers.
#pragma once

namespace vesk::win {

// The program's start, called once after the form exists: settles app_dir
// and the current directory, checks the companion files, dispatches on the
// switch. May close the form (the program then ends).
void Form_Load();

// Runs before the form closes, whatever closes it: puts the window
// procedure back (UnhookWindow). It never cancels the close.
void Form_QueryUnload();

// OK of the settings form: rewrites the plug-in list, asks a running host
// to reread it, closes the form. On a failed write the form stays open.
void Command1_Click();

// Tick of EndTimer (1000 ms) during the follow-up phase.
void EndTimer_Timer();

// Tick of htminf (100 ms) while a download runs.
void htminf_Timer();

}  // namespace vesk::win
