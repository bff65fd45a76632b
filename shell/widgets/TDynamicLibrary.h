#pragma once

#include <string>

namespace quarlo {

// A shared library loaded by path at run time and freed again, so that each use starts the
// library afresh. Destruction frees it.
class TDynamicLibrary {
public:
    TDynamicLibrary() = default;
    ~TDynamicLibrary();
    TDynamicLibrary(const TDynamicLibrary&) = delete;
    TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

    // Frees a loaded library, then takes the path of the next one.
    void SetLibraryName(const std::string& path);
    const std::string& LibraryName() const { return m_libraryName; }

    // Loads the library unless it is loaded. EFileNotFoundError when there is no file of that
    // name, EInitError when the system cannot load the file; the object stays unloaded.
    void Load();
    void Unload();
    bool IsLoaded() const { return m_handle != nullptr; }

    // The address of the exported function `name`, or null when the library has none.
    // EDLLNotOpenError when no library is loaded.
    void* GetProc(const char* name) const;

private:
    std::string m_libraryName;
    void* m_handle = nullptr;
};

}  // namespace quarlo
