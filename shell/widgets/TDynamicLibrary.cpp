#include "TDynamicLibrary.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

#include "EDLLError.h"

namespace quarlo {

TDynamicLibrary::~TDynamicLibrary()
{
    Unload();
}

void TDynamicLibrary::SetLibraryName(const std::string& path)
{
    Unload();
    m_libraryName = path;
}

void TDynamicLibrary::Load()
{
    if (IsLoaded())
        return;
    std::error_code error;
    if (!std::filesystem::is_regular_file(m_libraryName, error))
        throw EFileNotFoundError(m_libraryName);
    // Every symbol is bound now, so a library that cannot work fails here and not in the
    // middle of a call; its symbols stay its own.
    m_handle = ::dlopen(m_libraryName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_handle) {
        const char* reason = ::dlerror();
        throw EInitError(reason ? reason : m_libraryName);
    }
}

void TDynamicLibrary::Unload()
{
    if (!m_handle)
        return;
    ::dlclose(m_handle);
    m_handle = nullptr;
}

void* TDynamicLibrary::GetProc(const char* name) const
{
    if (!IsLoaded())
        throw EDLLNotOpenError();
    return ::dlsym(m_handle, name);
}

}  // namespace quarlo
