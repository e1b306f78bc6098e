#include "app/clock.h"
#include "app/settings_folder.h"
#include "app/settings_store.h"
#include "app/stop_signals.h"
#include "build/process_runner.h"
#include "deploy/curl_ftp_client.h"
#include "program/headless.h"

#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QTextStream>
#include <cstdio>

#ifndef QUENVEL_CONSOLE_PROGRAM
#include "program/entry.h"
#include <QApplication>
#endif

#ifdef Q_OS_WIN
#include "app/console_stream.h"
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace {

void nameApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quenvel"));
    QCoreApplication::setApplicationName(QStringLiteral("Quenvel"));
}

#if !defined(Q_OS_WIN) || defined(QUENVEL_CONSOLE_PROGRAM)
// One action without a window: no display is needed, so no QApplication.
int runWithoutWindow(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    nameApplication();
    SettingsStore store(PathStyle::native().spelled(settingsFolderOfThisProgram()), PathStyle::native());
    ProcessCommandRunnerFactory runners;
    CurlFtpClientFactory ftp;
    SystemClock clock;
#ifdef Q_OS_WIN
    ConsoleStream output(ConsoleStream::Which::Output);
    ConsoleStream error(ConsoleStream::Which::Error);
    QTextStream out(&output);
    QTextStream err(&error);
#else
    QTextStream out(stdout);
    QTextStream err(stderr);
#endif
    // A signal ends the tool or transfer under way, and the action with it.
    const StopOnSignals stop([&] {
        runners.stopForGood();
        ftp.abortTransfers();
    });
    const int code = runHeadless(QCoreApplication::arguments(), store, runners, ftp, clock, out, err);
    // As a shell reports a program that a signal ended.
    return stop.signalNumber() != 0 ? 128 + stop.signalNumber() : code;
}
#endif

#if defined(Q_OS_WIN) && !defined(QUENVEL_CONSOLE_PROGRAM)
// quenvel.exe has no console, and a console's user is not waited for by the
// command prompt: the actions stay with quenvel-cli.exe, whose exit code the
// prompt sees. Asked for one, quenvel.exe says so where the asker looks: the
// console it was started from, the file its output goes to, or a box.
int pointToConsoleProgram(const QStringList &arguments)
{
    const bool help = arguments.size() == 2
                      && (arguments.at(1) == QLatin1String("--help") || arguments.at(1) == QLatin1String("/?"));
    const QString text = help ? headlessUsage(HeadlessFlavour::WindowsConsole) : useConsoleProgramMessage() + QLatin1Char('\n');
    const DWORD which = help ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
    const auto usable = [](HANDLE handle) {
        return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
    };
    HANDLE handle = GetStdHandle(which);
    if (!usable(handle) && AttachConsole(ATTACH_PARENT_PROCESS))
        handle = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
    if (usable(handle)) {
        ConsoleStream stream(handle);
        stream.write(text.toUtf8());
    } else {
        MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.utf16()), L"Quenvel",
                    MB_OK | (help ? MB_ICONINFORMATION : MB_ICONWARNING));
    }
    return help ? 0 : 2;
}
#endif

} // namespace

int main(int argc, char **argv)
{
#ifdef QUENVEL_CONSOLE_PROGRAM
    return runWithoutWindow(argc, argv);
#else
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (isHeadlessInvocation(arguments)) {
#ifdef Q_OS_WIN
        return pointToConsoleProgram(arguments);
#else
        return runWithoutWindow(argc, argv);
#endif
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Qt would abort with a core dump, long after a script began to wait.
    if (!hasDisplay(arguments, QProcessEnvironment::systemEnvironment())) {
        std::fputs((noDisplayMessage() + QLatin1Char('\n')).toUtf8().constData(), stderr);
        return 1;
    }
#endif

    QApplication app(argc, argv);
    nameApplication();
    return runDesktop(app);
#endif
}
