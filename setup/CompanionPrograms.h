#pragma once

#include <string>

// The product's programs that the installer starts. D is the install folder (ending in a
// backslash); a missing program fails to start silently and nothing waits for it.

// D + "zelowizard.exe" (left by an earlier generation), waited for without limit.
void runWizardUpdate(const std::wstring& installDir);
// D + "1.1.6.0\\setupmetrics.exe" with the argument "\"|1.1.6.0|4|i|\"", in D, not waited for.
void runSetupMetrics(const std::wstring& installDir);
// D + "1.1.6.0\\zelorun.exe" with "-reg", in D, not waited for.
void runZeloRun(const std::wstring& installDir);
// D + "OrviZelo.exe" alone, in workingDir (created if missing), not waited for.
void runProduct(const std::wstring& installDir, const std::wstring& workingDir);
