#pragma once

// Outcome of the environment check.
enum CheckResult {
  CR_Success = 0,       // no other installer instance runs
  CR_SetupExist = 1,    // the single-instance mutex already exists
  CR_SetupInvalid = 2,  // reserved: the check never produces it, its handling is kept
};
