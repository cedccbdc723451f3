#pragma once

#include <string>

// Before an extraction into D (ending in a backslash): clears the caches of the data folders,
// deletes the leftover marker files and removes the version folders that D's Launcher.xml
// names. Every deletion stays inside the folder it is meant for; errors are ignored.
void cleanUpInstallation(const std::wstring& installDir);

// Whether path lies below root (letter case ignored) without passing a "." or ".." element.
bool isBelowFolder(const std::wstring& path, const std::wstring& root);
