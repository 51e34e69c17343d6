#include "platform/registry.h"

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
    if (this != &other) {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
        key_ = other.key_;
        other.key_ = nullptr;
    }
    return *this;
}

RegistryKey::~RegistryKey() {
    if (key_ != nullptr) {
        RegCloseKey(key_);
    }
}

RegistryKey createProgramKey(const char* subKey, bool* created) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    char keyClass[] = "ORBANA Object";
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, subKey, 0, keyClass, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, &disposition) != ERROR_SUCCESS) {
        return RegistryKey();
    }
    if (created != nullptr) {
        *created = disposition == REG_CREATED_NEW_KEY;
    }
    return RegistryKey(key);
}

RegistryKey openProgramKeyForQuery(const char* subKey) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return RegistryKey();
    }
    return RegistryKey(key);
}

bool writeStringValue(const RegistryKey& key, const char* name, const char* text) {
    const DWORD length = static_cast<DWORD>(lstrlenA(text)) + 1;
    return RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          length) == ERROR_SUCCESS;
}

bool queryStringValue(const RegistryKey& key, const char* name, char* buffer, DWORD bufferSize) {
    if (bufferSize == 0) {
        return false;
    }
    char scratch[512];
    if (bufferSize > sizeof scratch) {
        bufferSize = sizeof scratch;
    }
    DWORD size = bufferSize;
    if (RegQueryValueExA(key.get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(scratch),
                         &size) != ERROR_SUCCESS) {
        return false;
    }
    // A value stored without its terminating zero still ends inside the buffer.
    if (size >= bufferSize) {
        size = bufferSize - 1;
    }
    scratch[size] = '\0';
    lstrcpynA(buffer, scratch, static_cast<int>(bufferSize));
    return true;
}
