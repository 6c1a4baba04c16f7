#pragma once
// Binding of the vendor's JTAG-UART client library, loaded at run time.

#include "JtagEntryPoints.h"

#include <cstdint>
#include <string>

// The library's opaque connection and error types.
struct JTAGATLANTIC;
enum JATL_ERROR : int;

class CJtagAtlantic {
public:
    using PFN_OPEN = JTAGATLANTIC* (*)(const char* cable, int device, int instance, const char* application);
    using PFN_GET_INFO = void (*)(JTAGATLANTIC* link, const char** cable, int* device, int* instance);
    using PFN_CABLE_WARNING = int (*)(JTAGATLANTIC* link);
    using PFN_GET_ERROR = JATL_ERROR (*)(const char** app_name);
    using PFN_READ = int (*)(JTAGATLANTIC* link, char* buffer, unsigned int size);
    using PFN_WRITE = int (*)(JTAGATLANTIC* link, const char* data, unsigned int size);
    using PFN_CLOSE = void (*)(JTAGATLANTIC* link);
    using PFN_FLUSH = int (*)(JTAGATLANTIC* link);
    using PFN_IS_SETUP_DONE = bool (*)(JTAGATLANTIC* link);
    using PFN_WAIT_OPEN = int (*)(JTAGATLANTIC* link);
    using PFN_BYTES_AVAILABLE = int (*)(JTAGATLANTIC* link);

    // Loads the library; a failure is shown to the user and leaves the object unloaded.
    CJtagAtlantic();
    ~CJtagAtlantic();
    CJtagAtlantic(const CJtagAtlantic&) = delete;
    CJtagAtlantic& operator=(const CJtagAtlantic&) = delete;

    bool Load();
    // Frees the library without closing a connection first.
    void Unload();
    bool IsOpen() const;
    bool Open(const char* cable, int device, int instance, const char* application);
    bool Close();
    void GetInfo(const char** cable, int* device, int* instance);
    // The library's results: bytes moved, 0 for none, negative on error; 0 when not open.
    int Read(uint8_t* buffer, uint32_t size);
    int Write(const uint8_t* data, uint32_t size);
    // True: the programmer's bin folder becomes the current folder; false: the program's folder.
    bool SetWorkDir(bool programmerFolder);
    // Why the last load failed: the code its message shows, and the loader's own text.
    int LoadErrorCode() const { return m_LoadErrorCode; }
    const std::string& LoadErrorText() const { return m_LoadErrorText; }

protected:
    template <typename Fn> Fn Entry(JtagEntry which) const { return reinterpret_cast<Fn>(m_pEntry[which]); }

    void* m_hModule = nullptr;
    JTAGATLANTIC* m_pConnection = nullptr;
    void* m_pEntry[JTAG_ENTRY_COUNT] = {};
    // The vendor's helper library, loaded before the binding when it stands beside it.
    void* m_hClientModule = nullptr;
    int m_LoadErrorCode = 0;
    std::string m_LoadErrorText;

private:
    void FreeModules();
};
