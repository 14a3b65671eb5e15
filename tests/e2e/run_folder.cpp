// Run folders for the end-to-end tests.
#include "run_folder.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace {

// Deletes the files of a folder (run folders hold no subfolders).
void EmptyFolder(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            DeleteFileA((folder + found.cFileName).c_str());
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

bool CopyMatching(const std::string& from, const std::string& pattern, const std::string& to) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((from + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool copied = true;
    do {
        copied = CopyFileA((from + found.cFileName).c_str(), (to + found.cFileName).c_str(), FALSE) &&
                 copied;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return copied;
}

}  // namespace

std::string BinFolder() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

std::string PrepareRunFolder(const std::string& name, const std::string& pad_dll) {
    const std::string bin = BinFolder();
    const std::string runs = bin + "e2e_runs\\";
    const std::string folder = runs + name + "\\";
    CreateDirectoryA(runs.c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    EmptyFolder(folder);
    bool ready = CopyMatching(bin, "vatrel*.exe", folder) && CopyMatching(bin, "*.x", folder) && CopyMatching(bin, "*.bmp", folder);
    if (!pad_dll.empty()) {
        ready = ready && CopyFileA((bin + pad_dll).c_str(), (folder + "xinput1_3.dll").c_str(), FALSE);
    }
    return ready ? folder : std::string();
}

bool TruncateFile(const std::string& path, long long bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    LARGE_INTEGER size;
    size.QuadPart = bytes;
    bool cut = SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    return cut;
}

bool WriteFileText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out);
}

std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
