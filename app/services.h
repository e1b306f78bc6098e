#pragma once

class Asker;
class Clock;
class CommandRunnerFactory;
class FtpClientFactory;
class SessionEvents;
class SettingsStore;
class SourceDocument;
class Workbench;

// What an action is handed: the settings, the editor's text and its file,
// who answers its questions, where it reports what it does, and the seams
// to the outside world.
struct Services {
    SettingsStore &store;
    Workbench &bench;
    Asker &asker;
    SourceDocument &document;
    SessionEvents &events;
    CommandRunnerFactory &runners;
    FtpClientFactory &ftp;
    const Clock &clock;
};
