// The program's registry values: keys under HKEY_LOCAL_MACHINE\SOFTWARE\ORBANA\, created
// with the class "ORBANA Object", values REG_SZ written with their terminating zero.
#pragma once

#include <windows.h>

#include <string>

// An open registry key, closed when the owner goes.
class RegistryKey {
  public:
    RegistryKey() = default;
    explicit RegistryKey(HKEY key) : key_(key) {}
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    RegistryKey(RegistryKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    ~RegistryKey();

    explicit operator bool() const { return key_ != nullptr; }
    HKEY get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

// RegCreateKeyExA under HKEY_LOCAL_MACHINE: class "ORBANA Object", non-volatile, all access.
// `created` (if given) tells whether the key was new.
RegistryKey createProgramKey(const char* subKey, bool* created = nullptr);

// RegOpenKeyExA under HKEY_LOCAL_MACHINE for querying only.
RegistryKey openProgramKeyForQuery(const char* subKey);

// Writes a REG_SZ value with its terminating zero; false when the write fails.
bool writeStringValue(const RegistryKey& key, const char* name, const char* text);

// RegQueryValueExA into a buffer of `bufferSize` bytes (a longer value fails to read).
// On success the buffer holds the value, always NUL-terminated; on failure it is unchanged.
bool queryStringValue(const RegistryKey& key, const char* name, char* buffer, DWORD bufferSize);
