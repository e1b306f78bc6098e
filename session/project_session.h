#pragma once

#include "app/opened_project.h"
#include "app/services.h"
#include "app/source_document.h"
#include "build/session_events.h"

#include <QPoint>
#include <QString>
#include <memory>
#include <optional>

class EmulatorRun;
class QEventLoop;

// The opened project and what may be done with it: the one action that runs
// at a time, the gates of the buttons and menus, and the actions themselves.
// The window and the run without one each hold one and call it; the answers
// to its questions and the words of its log come back through the services.
class ProjectSession
{
public:
    enum class Command { Build, Run, Upload, Clean, ProjectSettings, PhoneAddress };

    // Run and Upload are let through once their step before was taken;
    // ProjectLoaded is having a project.
    struct Flags {
        bool CanRun = false;
        bool CanUpload = false;
    };

    // Why a command does nothing now; no text when it may go. A held note
    // names a step to take first and stays until the next command.
    struct Refusal {
        QString text;
        bool held = false;
    };

    // The tool guard's notes go to the log while the session lasts.
    explicit ProjectSession(const Services &services);
    ~ProjectSession();
    ProjectSession(const ProjectSession &) = delete;
    ProjectSession &operator=(const ProjectSession &) = delete;

    const OpenedProject *project() const { return m_project ? &*m_project : nullptr; }
    bool ProjectLoaded() const { return m_project.has_value(); }
    Flags &flags() { return m_flags; }
    const Flags &flags() const { return m_flags; }
    // An action is under way; a second command must wait.
    bool isBusy() const { return m_busy; }
    // The emulator runs; the window stays usable meanwhile.
    bool isRunning() const;
    Refusal refusal(Command command) const;
    // The address the phone opens for the last upload; empty before one.
    QString lastPhoneAddress() const { return m_lastPhoneAddress; }

    // Where the emulator's window should open; none: where it likes.
    void setEmulatorPlace(std::optional<QPoint> place) { m_emulatorPlace = place; }
    // Brings the emulator's window to the front, or says why it cannot.
    Result<> raiseEmulator();
    // Before a command that would disturb a running emulator: asks whether
    // to end it, and ends it for a yes. True when nothing runs any more.
    bool mayEndEmulator();
    // Returns once the emulator has ended: the run without a window waits.
    void waitForEmulator();

    // Opens the project name, or the one the chooser gives for no name; its
    // reason is shown when it cannot be. True when a project was opened.
    bool open(const QString &name);
    // File > Open project and File > New project, once unsaved edits of the
    // current project may be left.
    bool openChosen();
    bool createNew();
    // File > Save: the editor's text to the open project's source file.
    SaveOutcome save();
    // Asks about unsaved edits before the editor's text goes.
    bool maySourceBeLeft();

    // The project's sources below src in tree order; the main one's path.
    QStringList sources() const;
    QString mainSource() const;
    // File > Save on a source other than the main one.
    SaveOutcome saveOther(const QString &path);
    // File > New class: the file made for it; none when refused, with a message.
    std::optional<QString> newClass(const QString &name);
    // File > Remove file: a source other than the main one goes once the user agrees.
    bool removeSource(const QString &path);

    // The buttons; each assumes its refusal is empty. How each ended, its
    // ActionEnded event tells.
    void build();
    // Run starts the emulator and returns; its end comes as an event.
    void run();
    // Builds, and runs when the build worked; a running emulator is ended
    // first without a question: the user asked for a new run.
    void buildAndRun();
    void upload();
    // The class files and the three products go, the scratchpad file stays.
    void clean();
    // The settings dialog over the project's settings, hand edits taken first.
    void editSettings();
    // Ends the tool, the transfer or the emulator under way.
    void stop();

private:
    class Busy;
    // Hands the events on, and keeps how the last action ended.
    class Relay : public SessionEvents
    {
    public:
        explicit Relay(SessionEvents &events) : m_events(events) {}
        void report(const Event &event) override;
        bool lastActionSucceeded() const { return m_succeeded; }

    private:
        SessionEvents &m_events;
        bool m_succeeded = false;
    };
    bool takeOpening(const QString &name);
    void buildNow();
    void startRun();
    void endEmulator();
    void logLines(const QStringList &lines);

    Relay m_relay;
    Services m_services;
    std::optional<OpenedProject> m_project;
    Flags m_flags;
    QString m_lastPhoneAddress;
    bool m_busy = false;
    std::unique_ptr<EmulatorRun> m_emulator;  // the last run, kept until the next or the end
    std::optional<QPoint> m_emulatorPlace;
    QEventLoop *m_waitingForEmulator = nullptr;
};
