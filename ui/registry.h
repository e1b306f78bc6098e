#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <memory>
#include <optional>

// The predefined root keys, by their 32-bit handle values.
enum class RegistryRoot : quint32 {
    ClassesRoot = 0x80000000u,
    CurrentUser = 0x80000001u,
    LocalMachine = 0x80000002u,
    Users = 0x80000003u,
};

// Value types as the registry numbers them.
namespace RegistryType {
constexpr quint32 None = 0;
constexpr quint32 String = 1;        // REG_SZ
constexpr quint32 ExpandString = 2;  // REG_EXPAND_SZ
constexpr quint32 Binary = 3;        // REG_BINARY
constexpr quint32 Dword = 4;         // REG_DWORD, little-endian
}

// One value as the registry hands it out: its type and its bytes as stored
// (strings in UTF-16LE, usually with their terminating NUL).
struct RegistryValue {
    quint32 type = RegistryType::None;
    QByteArray data;
};

// Read-only access to the system registry.
class Registry
{
public:
    virtual ~Registry() = default;

    // Opens keyName under root for reading, reads valueName into a buffer of
    // bufferBytes bytes and closes the key again. Nothing when the key or the
    // value cannot be read, or when the value does not fit the buffer.
    virtual std::optional<RegistryValue> read(RegistryRoot root, const QString &keyName,
                                              const QString &valueName,
                                              qsizetype bufferBytes) const = 0;
};

// The platform's registry; on systems without one every read fails.
std::unique_ptr<Registry> createSystemRegistry();
