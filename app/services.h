#pragma once

class ActionProgress;
class Asker;
class Clock;
class CommandRunnerFactory;
class FtpClientFactory;
class SettingsStore;
class SourceDocument;
class Workbench;

// What an action is handed: the settings, the window it reports to with its
// source document, who answers its questions, and the seams to the outside
// world.
struct Services {
    SettingsStore &store;
    Workbench &bench;
    Asker &asker;
    SourceDocument &document;
    ActionProgress &progress;
    CommandRunnerFactory &runners;
    FtpClientFactory &ftp;
    const Clock &clock;
};
