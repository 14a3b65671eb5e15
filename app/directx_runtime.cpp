// The DirectX End-User Runtime check and the binding of its functions.
#include "directx_runtime.h"

#include <windows.h>

#include <delayimp.h>  // after windows.h, which it needs

#include <string>
#include <vector>

#include "message_box.h"
#include "messages.h"

// The image the delay-import tables below belong to, and the tables dlltool's delay libraries define.
extern "C" const IMAGE_DOS_HEADER __ImageBase;
extern "C" const ImgDelayDescr __DELAY_IMPORT_DESCRIPTOR_libd3dx9_43_delay_a;
extern "C" const ImgDelayDescr __DELAY_IMPORT_DESCRIPTOR_libxinput1_3_delay_a;

namespace {

struct RuntimeDll {
    const char* name;
    const ImgDelayDescr& imports;
};
const RuntimeDll kRuntimeDlls[] = {{"d3dx9_43.dll", __DELAY_IMPORT_DESCRIPTOR_libd3dx9_43_delay_a},
                                   {"xinput1_3.dll", __DELAY_IMPORT_DESCRIPTOR_libxinput1_3_delay_a}};

template <typename T>
T* InImage(ULONGLONG rva) {
    return reinterpret_cast<T*>(reinterpret_cast<ULONG_PTR>(&__ImageBase) + rva);
}

// Runs write with the bytes [at, at + size) writable, then gives their pages back the protection they had.
// The image's own sections may be read-only (binutils 2.44 maps the import tables so), as an import
// table is to the loader, which lifts the protection for the binding in the same way.
template <typename Write>
bool WriteProtected(void* at, SIZE_T size, Write write) {
    DWORD protection = 0;
    if (!VirtualProtect(at, size, PAGE_READWRITE, &protection)) return false;
    write();
    DWORD lifted = 0;
    return VirtualProtect(at, size, protection, &lifted) != 0;
}

// Finds the address of each function the table names, in its order; false when the DLL lacks one.
bool FindImports(const ImgDelayDescr& imports, HMODULE dll, std::vector<ULONG_PTR>& functions) {
    for (const auto* name = InImage<const IMAGE_THUNK_DATA>(imports.rvaINT); name->u1.AddressOfData != 0; ++name) {
        const ULONGLONG entry = name->u1.AddressOfData;
        const FARPROC function =
            IMAGE_SNAP_BY_ORDINAL(entry)
                ? GetProcAddress(dll, MAKEINTRESOURCEA(IMAGE_ORDINAL(entry)))
                : GetProcAddress(dll, reinterpret_cast<const char*>(InImage<IMAGE_IMPORT_BY_NAME>(entry)->Name));
        if (function == nullptr) return false;
        functions.push_back(reinterpret_cast<ULONG_PTR>(function));
    }
    return true;
}

// Writes each imported function's address into its slot and the module into the table, as the
// delay-load helper would at each first call; false when the DLL lacks a function (no slot written).
bool BindImports(const ImgDelayDescr& imports, HMODULE dll) {
    std::vector<ULONG_PTR> functions;
    if (!FindImports(imports, dll, functions)) return false;
    auto* slots = InImage<IMAGE_THUNK_DATA>(imports.rvaIAT);
    auto* module = InImage<HMODULE>(imports.rvaHmod);
    return WriteProtected(slots, functions.size() * sizeof(*slots),
                          [&] {
                              for (size_t i = 0; i < functions.size(); ++i) slots[i].u1.Function = functions[i];
                          }) &&
           WriteProtected(module, sizeof(*module), [&] { *module = dll; });
}

bool LoadAndBind(const RuntimeDll& dll) {
    // The program's folder (a stand-in pad there comes first), then the system's: never the current folder
    // or PATH, where anyone may have left a DLL of the name. Never freed: the slots point into it.
    const HMODULE module = LoadLibraryExA(dll.name, nullptr, LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
    return module != nullptr && BindImports(dll.imports, module);
}

}  // namespace

bool CheckDirectXRuntime() {
    std::string missing;
    for (const RuntimeDll& dll : kRuntimeDlls) {
        if (LoadAndBind(dll)) continue;
        if (!missing.empty()) missing += kMsgListSeparator;
        missing += dll.name;
    }
    if (missing.empty()) return true;
    ShowMessage((missing + kMsgRuntimeMissing).c_str(), nullptr);
    return false;
}
