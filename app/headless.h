#pragma once

#include <QStringList>

class Clock;
class CommandRunnerFactory;
class FtpClientFactory;
class QTextStream;
class SettingsStore;

// Whether the command line asks for one action without a window: any
// argument after the program's own name that begins with "--". The
// arguments are those of QCoreApplication::arguments(), after Qt took its own.
bool isHeadlessInvocation(const QStringList &arguments);

// quenvel --build NAME | --run NAME | --upload NAME | --help
// Loads the settings, opens NAME as File > Open project does, runs the
// action as its button does, writes the log to out and the messages to err.
// Returns the exit code: 0 when the action ended well, 1 when it did not,
// 2 for a command line it does not understand.
int runHeadless(const QStringList &arguments, SettingsStore &store, CommandRunnerFactory &runners,
                FtpClientFactory &ftp, const Clock &clock, QTextStream &out, QTextStream &err);
