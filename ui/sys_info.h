#pragma once

#include "ui/registry.h"

#include <QString>

class QWidget;

// What StartSysInfo needs of the desktop besides the registry.
class SysInfoHost
{
public:
    virtual ~SysInfoHost() = default;
    virtual bool fileExists(const QString &path) const = 0;
    // Starts the program in a normal window; false when it cannot be started.
    virtual bool startProgram(const QString &path) = 0;
    // A message box with one OK button and the program's title.
    virtual void showMessage(const QString &text) = 0;
};

// The real desktop: files on disk, detached processes, message boxes over
// the given window.
class DesktopSysInfoHost final : public SysInfoHost
{
public:
    explicit DesktopSysInfoHost(QWidget *messageParent) : m_parent(messageParent) {}
    bool fileExists(const QString &path) const override;
    bool startProgram(const QString &path) override;
    void showMessage(const QString &text) override;

private:
    QWidget *m_parent;
};

enum class KeyValueRead {
    Read,     // KeyVal holds the value (or is left alone for types we do not render)
    NotRead,  // key or value missing, or too long for the buffer; KeyVal is empty
    Broken,   // the value filled the whole buffer without a terminating NUL
};

// GetKeyValue with the buffer-filling case told apart, which StartSysInfo
// treats as a failure of the whole look-up.
KeyValueRead readKeyValue(const Registry &registry, RegistryRoot KeyRoot, const QString &KeyName,
                          const QString &SubKeyRef, QString &KeyVal);

// True when the value was read. REG_SZ gives its text up to the first NUL,
// REG_DWORD "&h" and the hex digits of its bytes from the last to the first;
// other types succeed and leave KeyVal as it was.
bool GetKeyValue(const Registry &registry, RegistryRoot KeyRoot, const QString &KeyName,
                 const QString &SubKeyRef, QString &KeyVal);

// Starts the system-information tool found through the registry, or says
// that it is not available.
void StartSysInfo(const Registry &registry, SysInfoHost &host);

// The buffer GetKeyValue reads into, in characters.
constexpr qsizetype keyValueBufferChars = 1024;
