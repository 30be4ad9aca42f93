// The platform types that the library's public signatures name, defined once with the
// byte layouts and constants that the stored forms and the registry calls rely on.
#pragma once

#include <cstdint>

struct HKEY__;
using HKEY = HKEY__*;
struct HWND__;
using HWND = HWND__*;
struct HICON__;
using HICON = HICON__*;
struct HINSTANCE__;
using HMODULE = HINSTANCE__*;
// A place in a framework list or map; null means none.
struct POSITION__;
using POSITION = POSITION__*;
using REGSAM = unsigned long;
using LSTATUS = long;

// Predefined root handles of the three hives.
inline HKEY const HKEY_CLASSES_ROOT = reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x80000000u));
inline HKEY const HKEY_CURRENT_USER = reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x80000001u));
inline HKEY const HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x80000002u));

// Result codes.
constexpr long ERROR_SUCCESS = 0;
constexpr long ERROR_FILE_NOT_FOUND = 2;
constexpr long ERROR_ACCESS_DENIED = 5;
constexpr long ERROR_INVALID_HANDLE = 6;
constexpr long ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr long ERROR_HANDLE_EOF = 38;
constexpr long ERROR_INVALID_PARAMETER = 87;
constexpr long ERROR_INSUFFICIENT_BUFFER = 122;
constexpr long ERROR_BUSY = 170;
constexpr long ERROR_MORE_DATA = 234;
constexpr long ERROR_NO_MORE_ITEMS = 259;
constexpr long ERROR_BADDB = 1009;
constexpr long ERROR_BADKEY = 1010;
constexpr long ERROR_KEY_DELETED = 1018;
constexpr long ERROR_WRITE_PROTECT = 19;
constexpr long ERROR_REQUEST_ABORTED = 1235;

// Value type codes.
constexpr unsigned long REG_NONE = 0;
constexpr unsigned long REG_SZ = 1;
constexpr unsigned long REG_EXPAND_SZ = 2;
constexpr unsigned long REG_BINARY = 3;
constexpr unsigned long REG_DWORD = 4;
constexpr unsigned long REG_DWORD_BIG_ENDIAN = 5;
constexpr unsigned long REG_LINK = 6;
constexpr unsigned long REG_MULTI_SZ = 7;
constexpr unsigned long REG_QWORD = 11;

// Key access rights.
constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
constexpr REGSAM KEY_NOTIFY = 0x0010;
constexpr REGSAM KEY_CREATE_LINK = 0x0020;
constexpr REGSAM READ_CONTROL = 0x00020000;
constexpr REGSAM KEY_READ = READ_CONTROL | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY;  // 0x20019
constexpr REGSAM KEY_WRITE = READ_CONTROL | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;                    // 0x20006
constexpr REGSAM KEY_ALL_ACCESS = 0x000F003F;

// RegCreateKeyEx dispositions.
constexpr unsigned long REG_CREATED_NEW_KEY = 1;
constexpr unsigned long REG_OPENED_EXISTING_KEY = 2;

// The component-object result codes used by the reference-counted interfaces.
using HRESULT = long;
constexpr HRESULT S_OK = 0;
constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002L);

struct GUID {
  uint32_t Data1;
  uint16_t Data2;
  uint16_t Data3;
  uint8_t Data4[8];
};
using IID = GUID;
using REFIID = IID const&;

inline bool operator==(GUID const& a, GUID const& b) {
  if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
  for (int i = 0; i < 8; ++i)
    if (a.Data4[i] != b.Data4[i]) return false;
  return true;
}

// The base of every reference-counted interface.
struct IUnknown {
  virtual HRESULT QueryInterface(REFIID iid, void** object) = 0;
  virtual unsigned long AddRef() = 0;
  virtual unsigned long Release() = 0;

 protected:
  ~IUnknown() = default;
};

static_assert(sizeof(GUID) == 16);
