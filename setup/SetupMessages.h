#pragma once

// Private window messages of the installer: plain numbers above the system's range, posted to
// the native handle of the check window or the wizard window. 1127 is not used.
enum SetupMessage : unsigned {
  MSG_SETUP_INVALID = 1125,        // check window
  MSG_SETUP_EXIST = 1126,          // check window
  MSG_SHOW_MAIN_UI = 1128,         // check window; wParam: new std::wstring path, receiver deletes
  MSG_ZELO_RUNNING = 1129,         // wizard window
  MSG_RETRY_DECOMPRESS = 1130,     // wizard window
  MSG_DECOMPRESS_PROGRESS = 1131,  // wizard window; wParam: 0-based item index, lParam: count
  MSG_DECOMPRESS_FINISH = 1132,    // wizard window
  MSG_QUIT_SETUP = 1133,           // wizard window
};
