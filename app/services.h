#pragma once

class SettingsStore;
class Workbench;
class CommandRunnerFactory;
class FtpClientFactory;
class Clock;

// What an action is handed: the settings, the window it reports to, and the
// seams to the outside world.
struct Services {
    SettingsStore &store;
    Workbench &bench;
    CommandRunnerFactory &runners;
    FtpClientFactory &ftp;
    const Clock &clock;
};
