#pragma once

#include "app/opened_project.h"
#include "app/result.h"

#include <QPoint>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>

class CommandRunner;
struct CommandResult;
struct Services;

// The Run button: starts the emulator on the project's descriptor and logs
// what it prints as it comes. Its ActionEnded event tells whether the
// emulator ran and ended well; the window stays the user's meanwhile.
class EmulatorRun
{
public:
    // Where the stand-in emulator opens its window, and the file whose
    // change asks it to come to the front; both reach it through its
    // environment, so the command line stays as it is.
    static constexpr const char *kPlaceVariable = "QUENVEL_EMULATOR_AT";
    static constexpr const char *kFrontVariable = "QUENVEL_EMULATOR_FRONT";

    // Reports the start, the command line and, once the emulator has ended
    // (or could not start), the end; ended is called after that.
    EmulatorRun(Services &services, const OpenedProject &project, std::optional<QPoint> place,
                std::function<void()> ended);
    ~EmulatorRun();
    EmulatorRun(const EmulatorRun &) = delete;
    EmulatorRun &operator=(const EmulatorRun &) = delete;

    bool isRunning() const { return m_running; }
    // Asks the emulator window to come to the front, or says why it cannot.
    Result<> raise();

private:
    bool start(std::optional<QPoint> place);
    void finish(const CommandResult &run);
    void end(bool ok);

    Services &m_services;
    const OpenedProject m_project;
    std::function<void()> m_ended;
    std::unique_ptr<CommandRunner> m_runner;
    QTemporaryDir m_frontFolder;
    int m_frontRequests = 0;
    bool m_running = false;
};

// The Run as one call that returns when the emulator has ended.
void Run_Click(Services &services, const OpenedProject &project);
