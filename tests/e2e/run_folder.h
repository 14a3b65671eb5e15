// Test support: a folder to run vatrel.exe in, holding copies of the program,
// the models, their textures and a stand-in pad, which a test may then spoil.
#pragma once

#include <string>

// Folder of the running test executable (the build's bin folder), with a
// trailing backslash.
std::string BinFolder();

// Makes bin\e2e_runs\<name>\ afresh with copies of every *.exe, *.x and *.bmp
// of the bin folder and, when pad_dll is not empty, of bin\<pad_dll> renamed
// xinput1_3.dll (a DLL is looked for beside the exe, not in the current
// directory, so the program runs from its copy). Returns the folder with a trailing backslash, or an empty
// string when a copy failed.
std::string PrepareRunFolder(const std::string& name, const std::string& pad_dll);

// Cuts a file to its first `bytes` bytes; false when it cannot be opened.
bool TruncateFile(const std::string& path, long long bytes);

// Replaces a file's contents with `text`; false when it cannot be written.
bool WriteFileText(const std::string& path, const std::string& text);

// Reads a whole file; empty when it cannot be read.
std::string ReadFileText(const std::string& path);
