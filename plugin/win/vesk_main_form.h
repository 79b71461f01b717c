// The main form vesk_main: an ordinary hidden top-level window whose handle
// names the plug-in to the host shell, which owns the timers EndTimer and
// htminf, and which is shown only as the settings form (Check1, Command1).
#pragma once

#include <windows.h>

namespace vesk::win {

enum class FormTimer : UINT_PTR { EndTimer = 1, htminf = 2 };

// Creates the form and its controls, hidden; stores the handles in plugin().
// Returns false when the window cannot be created.
bool create_main_form(HINSTANCE instance);

// Turns a timer of the form on (with its interval: EndTimer 1000 ms,
// htminf 100 ms) or off.
void enable_timer(FormTimer timer, bool on);

// Closes the main form, which ends the program: Form_QueryUnload runs first,
// then the window is destroyed. Later calls do nothing.
void close_main_form();

// Shows the form as the settings form, not modal.
void show_main_form();

// Check1: true when on (1), false when off (0).
bool check1_value();
void set_check1(bool on);

// Runs the message loop until the form is gone; returns the exit code.
int run_message_loop();

}  // namespace vesk::win
