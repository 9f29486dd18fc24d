// What screen readers learn about a control that works as a push button but is not a
// standard BUTTON: the role "push button", its window text as name, and "Press" as action.
#pragma once

#include <windows.h>

namespace cindermoor::win32 {

// The answer to WM_GETOBJECT for such a control; 0 (the system's own answer) for anything
// but its client object.
LRESULT AnswerAsPushButton(HWND control, WPARAM wParam, LPARAM lParam);

// Lets a control of a system class (a clickable STATIC) answer as a push button. The
// control keeps its own behaviour otherwise; the answer ends with the control.
void AnswerAsPushButtonFrom(HWND control);

}  // namespace cindermoor::win32
