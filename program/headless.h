#pragma once

#include <QStringList>

class Clock;
class CommandRunnerFactory;
class FtpClientFactory;
class QProcessEnvironment;
class QTextStream;
class SettingsStore;

// Whether the command line asks for one action without a window: any
// argument after the program's own name that begins with "--", or "/?". The
// arguments are those of QCoreApplication::arguments(), after Qt took its own.
bool isHeadlessInvocation(const QStringList &arguments);

// The POSIX program serves both the window and the actions without one; on
// Windows a console program (quenvel-cli.exe) serves the latter, so that the
// window's program never has a console.
enum class HeadlessFlavour { Posix, WindowsConsole };
HeadlessFlavour nativeHeadlessFlavour();
QString headlessUsage(HeadlessFlavour flavour);

// Whether Qt can find a screen to open the window on: a display named in the
// environment, or a platform chosen on the command line or in QT_QPA_PLATFORM.
bool hasDisplay(const QStringList &arguments, const QProcessEnvironment &environment);
// The one line for a start without any of them (scripts/run.sh says the same).
QString noDisplayMessage();
// What quenvel.exe says when asked for an action without a window.
QString useConsoleProgramMessage();

// quenvel --build NAME | --run NAME | --upload NAME | --help
// Loads the settings, opens NAME as File > Open project does, runs the
// action as its button does, writes the log to out and the messages to err.
// Returns the exit code: 0 when the action ended well, 1 when it did not,
// 2 for a command line it does not understand.
int runHeadless(const QStringList &arguments, SettingsStore &store, CommandRunnerFactory &runners,
                FtpClientFactory &ftp, const Clock &clock, QTextStream &out, QTextStream &err,
                HeadlessFlavour flavour = nativeHeadlessFlavour());
