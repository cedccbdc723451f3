#pragma once

// Private window messages of the uninstaller, posted by its window bridge.
enum UninstallMessage : unsigned {
  MSG_UNINST_RUNNING = 1224,       // prompt window
  MSG_UNINST_PROGRESS = 1225,      // main window; lParam: new double done / total, receiver deletes
  MSG_UNINST_CLOSE_PROMPT = 1226,  // prompt window
  MSG_UNINST_FINISH = 1227,        // main window
};
