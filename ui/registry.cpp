#include "ui/registry.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace {

#ifdef Q_OS_WIN

HKEY rootHandle(RegistryRoot root)
{
    switch (root) {
    case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegistryRoot::Users: return HKEY_USERS;
    }
    return HKEY_LOCAL_MACHINE;
}

// Closes the key on every way out.
class OpenKey
{
public:
    OpenKey(HKEY root, const QString &keyName)
    {
        // Read rights only: asking for write rights as well locks out every
        // user who may not change HKEY_LOCAL_MACHINE.
        m_ok = RegOpenKeyExW(root, reinterpret_cast<LPCWSTR>(keyName.utf16()), 0, KEY_READ,
                             &m_key) == ERROR_SUCCESS;
    }
    ~OpenKey()
    {
        if (m_ok)
            RegCloseKey(m_key);
    }
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;

    bool isOpen() const { return m_ok; }
    HKEY handle() const { return m_key; }

private:
    HKEY m_key = nullptr;
    bool m_ok = false;
};

class WindowsRegistry final : public Registry
{
public:
    std::optional<RegistryValue> read(RegistryRoot root, const QString &keyName,
                                      const QString &valueName,
                                      qsizetype bufferBytes) const override
    {
        OpenKey key(rootHandle(root), keyName);
        if (!key.isOpen())
            return std::nullopt;
        QByteArray buffer(bufferBytes, '\0');
        DWORD type = REG_NONE;
        DWORD size = static_cast<DWORD>(buffer.size());
        const LSTATUS rc = RegQueryValueExW(key.handle(),
                                            reinterpret_cast<LPCWSTR>(valueName.utf16()),
                                            nullptr, &type,
                                            reinterpret_cast<LPBYTE>(buffer.data()), &size);
        if (rc != ERROR_SUCCESS)  // ERROR_MORE_DATA too: the value does not fit
            return std::nullopt;
        buffer.truncate(static_cast<qsizetype>(size));
        return RegistryValue{type, buffer};
    }
};

#else

class NoRegistry final : public Registry
{
public:
    std::optional<RegistryValue> read(RegistryRoot, const QString &, const QString &,
                                      qsizetype) const override
    {
        return std::nullopt;
    }
};

#endif

} // namespace

std::unique_ptr<Registry> createSystemRegistry()
{
#ifdef Q_OS_WIN
    return std::make_unique<WindowsRegistry>();
#else
    return std::make_unique<NoRegistry>();
#endif
}
