#pragma once

class ActionProgress;
class Clock;
class CommandRunnerFactory;
class FtpClientFactory;
class SettingsStore;
class SourceDocument;
class Workbench;

// What an action is handed: the settings, the window it reports to with its
// source document, and the seams to the outside world.
struct Services {
    SettingsStore &store;
    Workbench &bench;
    SourceDocument &document;
    ActionProgress &progress;
    CommandRunnerFactory &runners;
    FtpClientFactory &ftp;
    const Clock &clock;
};
