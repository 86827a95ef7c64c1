// Delivery of window messages: the program's message loop and DoEvents.
#pragma once

namespace mipro::win32 {

// Dispatches messages until WM_QUIT and returns its exit code.
int RunMessageLoop();

// Dispatches the messages already waiting, once. A WM_QUIT met on the way is posted again so
// that the message loop still ends the program.
void DispatchPendingMessages();

}  // namespace mipro::win32
