#include "JtagAtlantic.h"

#include "LibraryLoadError.h"
#include "ProgrammerUtil.h"
#include "platform/Platform.h"
#include "platform/Text.h"

#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace {

constexpr const char* LIBRARY_NAME = "libjtag_atlantic.so";
constexpr const char* CLIENT_LIBRARY_NAME = "libjtag_client.so";

bool FileExists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

// The programmer's bin folder first, then the vendor tree's linux64 folder, then the
// system's own search.
std::string LibraryPath() {
    std::string bin = CProgrammerUtil::GetQuartusBinDir();
    if (!bin.empty() && FileExists(bin + "/" + LIBRARY_NAME))
        return bin + "/" + LIBRARY_NAME;
    std::string root = CProgrammerUtil::GetQuartusRootDir();
    if (!root.empty() && FileExists(root + "/linux64/" + LIBRARY_NAME))
        return root + "/linux64/" + LIBRARY_NAME;
    return LIBRARY_NAME;
}

} // namespace

CJtagAtlantic::CJtagAtlantic() {
    Load();
}

CJtagAtlantic::~CJtagAtlantic() {
    Unload();
}

void CJtagAtlantic::FreeModules() {
    if (m_hModule != nullptr)
        dlclose(m_hModule);
    if (m_hClientModule != nullptr)
        dlclose(m_hClientModule);
    m_hModule = nullptr;
    m_hClientModule = nullptr;
    m_pConnection = nullptr;
    for (void*& entry : m_pEntry)
        entry = nullptr;
}

bool CJtagAtlantic::Load() {
    FreeModules();

    SetWorkDir(true);
    std::string path = LibraryPath();
    std::string folder = platform::ExtractFilePath(path);
    // The binding needs the vendor's helper library's symbols when it ships one.
    if (!folder.empty() && FileExists(folder + CLIENT_LIBRARY_NAME))
        m_hClientModule = dlopen((folder + CLIENT_LIBRARY_NAME).c_str(), RTLD_NOW | RTLD_GLOBAL);
    m_hModule = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    m_LoadErrorText.clear();
    m_LoadErrorCode = 0;
    if (m_hModule == nullptr) {
        // dlopen leaves errno alone: the code comes from the file it failed on (ENOENT
        // when there was none), and dlerror's text is kept beside it.
        const char* text = dlerror();
        m_LoadErrorText = text != nullptr ? text : "";
        m_LoadErrorCode = LibraryLoadErrorCode(path, m_LoadErrorText);
    }
    SetWorkDir(false);

    if (m_hModule == nullptr) {
        FreeModules();
        platform::ShowMessage(platform::Format("Fail to find jtag driver!\r\nError Code=%d", m_LoadErrorCode),
                              "Error", platform::Icon::None);
        return false;
    }
    for (std::size_t i = 0; i < JTAG_ENTRY_COUNT; ++i) {
        m_pEntry[i] = dlsym(m_hModule, JTAG_ENTRY_POINTS[i].decorated);
        if (m_pEntry[i] == nullptr) {
            FreeModules();
            return false;
        }
    }
    return true;
}

void CJtagAtlantic::Unload() {
    FreeModules();
}

bool CJtagAtlantic::IsOpen() const {
    return m_hModule != nullptr && m_pConnection != nullptr;
}

bool CJtagAtlantic::Open(const char* cable, int device, int instance, const char* application) {
    if (IsOpen())
        Entry<PFN_CLOSE>(JTAG_CLOSE)(m_pConnection);
    m_pConnection = nullptr;
    if (m_hModule == nullptr)
        return false;
    m_pConnection = Entry<PFN_OPEN>(JTAG_OPEN)(cable, device, instance, application);
    return m_pConnection != nullptr;
}

bool CJtagAtlantic::Close() {
    bool closed = false;
    if (IsOpen()) {
        Entry<PFN_CLOSE>(JTAG_CLOSE)(m_pConnection);
        closed = true;
    }
    m_pConnection = nullptr;
    return closed;
}

void CJtagAtlantic::GetInfo(const char** cable, int* device, int* instance) {
    if (IsOpen())
        Entry<PFN_GET_INFO>(JTAG_GET_INFO)(m_pConnection, cable, device, instance);
}

int CJtagAtlantic::Read(uint8_t* buffer, uint32_t size) {
    if (!IsOpen())
        return 0;
    return Entry<PFN_READ>(JTAG_READ)(m_pConnection, reinterpret_cast<char*>(buffer), size);
}

int CJtagAtlantic::Write(const uint8_t* data, uint32_t size) {
    if (!IsOpen())
        return 0;
    return Entry<PFN_WRITE>(JTAG_WRITE)(m_pConnection, reinterpret_cast<const char*>(data), size);
}

bool CJtagAtlantic::SetWorkDir(bool programmerFolder) {
    if (programmerFolder) {
        std::string bin = CProgrammerUtil::GetQuartusBinDir();
        if (bin.empty()) {
            platform::ShowMessage("Failed to find Quartus installatino folder!", "Warning",
                                  platform::Icon::Warning);
            return false;
        }
        return chdir(bin.c_str()) == 0;
    }
    std::string folder = CProgrammerUtil::GetFolder(CProgrammerUtil::GetExePath());
    return !folder.empty() && chdir(folder.c_str()) == 0;
}
