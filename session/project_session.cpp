#include "session/project_session.h"

#include "app/asker.h"
#include "app/project_files.h"
#include "app/settings_store.h"
#include "app/workbench.h"
#include "build/build_folders.h"
#include "build/command_runner.h"
#include "build/descriptor_edits.h"
#include "build/build_pipeline.h"
#include "build/emulator_launch.h"
#include "build/log_output.h"
#include "build/session_events.h"
#include "deploy/ftp_client.h"
#include "deploy/upload.h"
#include "project/open_project.h"

#include <QEventLoop>
#include <QDir>
#include <QFile>
#include <utility>

// One action at a time: the flag holds from an action's start to its end,
// on every way out.
class ProjectSession::Busy
{
public:
    explicit Busy(bool &busy) : m_busy(busy), m_was(std::exchange(busy, true)) {}
    ~Busy() { m_busy = m_was; }
    Busy(const Busy &) = delete;
    Busy &operator=(const Busy &) = delete;

private:
    bool &m_busy;
    bool m_was;
};

void ProjectSession::Relay::report(const Event &event)
{
    if (const auto *ended = std::get_if<ActionEnded>(&event))
        m_succeeded = ended->ok;
    m_events.report(event);
}

ProjectSession::ProjectSession(const Services &services)
    : m_relay(services.events)
    , m_services{services.store, services.bench, services.asker, services.document, m_relay,
                 services.runners, services.ftp, services.clock}
{
    m_services.runners.setNoteLog([this](const QString &line) { logLines({line}); });
}

ProjectSession::~ProjectSession()
{
    m_emulator.reset();
    m_services.runners.setNoteLog({});
}

ProjectSession::Refusal ProjectSession::refusal(Command command) const
{
    if (command == Command::PhoneAddress && m_lastPhoneAddress.isEmpty())
        return {QStringLiteral("まだアップロードしていません。")};
    if (!m_project)
        return {QStringLiteral("プロジェクトが開かれていません。")};
    if (command == Command::Run && !m_flags.CanRun)
        return {QStringLiteral("先にビルドしてください。")};
    // Upload before any Run names a step to take first: the note stays.
    if (command == Command::Upload && !m_flags.CanUpload)
        return {QStringLiteral("先に実行してください。"), true};
    return {};
}

void ProjectSession::logLines(const QStringList &lines)
{
    for (const QString &line : lines)
        AppendLogLine(m_services.events, line);
}

// An opened project is the actions' target from now on, with all three
// actions allowed.
bool ProjectSession::takeOpening(const QString &name)
{
    const QString current = m_project ? m_project->name : QString();
    Result<std::optional<ProjectOpening>> opened = OpenProject(m_services, name, current);
    if (!opened) {
        m_services.asker.showMessage(opened.error());
        return false;
    }
    if (!*opened)
        return false;
    if (const std::optional<QString> noJdk = m_services.store.noJdkNote())
        m_services.asker.showMessage(*noJdk);
    m_services.bench.setSourceText((*opened)->text);
    m_project = (*opened)->project;
    m_flags = {true, true};
    return true;
}

bool ProjectSession::open(const QString &name)
{
    const Busy busy(m_busy);
    return takeOpening(name);
}

bool ProjectSession::openChosen()
{
    if (!mayEndEmulator())
        return false;
    const Busy busy(m_busy);
    return maySourceBeLeft() && takeOpening(QString());
}

bool ProjectSession::createNew()
{
    if (!mayEndEmulator())
        return false;
    const Busy busy(m_busy);
    if (!maySourceBeLeft())
        return false;
    const QString name = m_services.asker.createNewProject();
    return !name.isEmpty() && takeOpening(name);
}

SaveOutcome ProjectSession::save()
{
    const Busy busy(m_busy);
    // The log says how the save went.
    return mnuFileSave_Click(m_services, project());
}

bool ProjectSession::maySourceBeLeft()
{
    return ::maySourceBeLeft(m_services, project());
}

bool ProjectSession::isRunning() const
{
    return m_emulator && m_emulator->isRunning();
}

Result<> ProjectSession::raiseEmulator()
{
    return m_emulator ? m_emulator->raise() : Result<>::failure(QStringLiteral("エミュレータは実行されていません。"));
}

bool ProjectSession::mayEndEmulator()
{
    if (!isRunning())
        return true;
    if (!m_services.asker.askYesNo(QStringLiteral("エミュレータを終了して続けますか?"), Asker::Default::Yes))
        return false;
    endEmulator();
    return true;
}

// The stop's log line and the run's end come before what follows.
void ProjectSession::endEmulator()
{
    if (!isRunning())
        return;
    m_services.runners.stopRunning();
    waitForEmulator();
}

void ProjectSession::waitForEmulator()
{
    if (!isRunning())
        return;
    const Busy busy(m_busy);
    QEventLoop wait;
    m_waitingForEmulator = &wait;
    wait.exec();
    m_waitingForEmulator = nullptr;
}

QStringList ProjectSession::sources() const
{
    return m_project ? projectSourceFiles(m_project->paths.sourceFolder()) : QStringList();
}

QString ProjectSession::mainSource() const
{
    return m_project ? mainSourcePath(*m_project) : QString();
}

SaveOutcome ProjectSession::saveOther(const QString &path)
{
    const Busy busy(m_busy);
    return m_services.document.saveOther(path);
}

std::optional<QString> ProjectSession::newClass(const QString &name)
{
    Result<QString> made = makeNewClass(m_project->paths, name);
    if (!made) {
        m_services.asker.showMessage(made.error());
        return std::nullopt;
    }
    return *made;
}

bool ProjectSession::removeSource(const QString &path)
{
    if (path == mainSourceFile(*m_project)) {
        m_services.asker.showMessage(QStringLiteral("メインのクラスのファイルは削除できません。"));
        return false;
    }
    if (!m_services.asker.askYesNo(QStringLiteral("%1 を削除しますか?").arg(path), Asker::Default::No))
        return false;
    if (QFile file(path); !file.remove()) {
        m_services.asker.showMessage(QStringLiteral("%1 を削除できませんでした。%2").arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    return true;
}

void ProjectSession::build()
{
    if (mayEndEmulator())
        buildNow();
}

void ProjectSession::buildNow()
{
    const Busy busy(m_busy);
    const BuildOutcome outcome = Compile_Click(m_services, *m_project);
    if (outcome.compile != CompileStage::NotReached)
        m_flags.CanRun = outcome.compile == CompileStage::Passed;
    m_services.events.report(SessionEvents::Budget{outcome.budget});
}

void ProjectSession::run()
{
    if (mayEndEmulator())
        startRun();
}

void ProjectSession::buildAndRun()
{
    endEmulator();
    buildNow();
    if (m_relay.lastActionSucceeded() && m_flags.CanRun)
        startRun();
}

void ProjectSession::startRun()
{
    m_emulator.reset();
    m_emulator = std::make_unique<EmulatorRun>(m_services, *m_project, m_emulatorPlace, [this] {
        // Whatever the emulator came to, the user has seen the application.
        m_flags.CanUpload = true;
        if (m_waitingForEmulator)
            m_waitingForEmulator->quit();
    });
}

void ProjectSession::upload()
{
    if (!mayEndEmulator())
        return;
    const Busy busy(m_busy);
    Upload_Click(m_services, *m_project);
    if (m_relay.lastActionSucceeded())
        m_lastPhoneAddress = phoneAddress(m_services.store.settings().WebUrl, m_project->name);
}

void ProjectSession::clean()
{
    if (!mayEndEmulator())
        return;
    const Busy busy(m_busy);
    const QString question = QStringLiteral("ビルド結果 (classes と tmpclasses のクラスファイル、bin の %1.jar、%1.jam、%1.htm) を削除しますか?\n"
                                            "スクラッチパッドのファイルは残ります。")
                                 .arg(m_project->name);
    if (!m_services.asker.askYesNo(question, Asker::Default::No))
        return;
    // Values typed into the descriptor are not lost with it.
    logLines(takeHandEdits(m_services.store, *m_project));
    if (const Result<> removed = removeBuildProducts(m_project->paths); !removed) {
        logLines({removed.error()});
        return;
    }
    logLines({QStringLiteral("ビルド結果を削除しました。")});
    // Nothing is left to run or to send until the next build.
    m_flags = {false, false};
}

// Values typed into the descriptor by hand are taken first, so the dialog
// shows them; what the user then changes is saved with the descriptor as it
// stands, which from then on holds no edits by hand.
void ProjectSession::editSettings()
{
    const Busy busy(m_busy);
    logLines(takeHandEdits(m_services.store, *m_project));
    const std::optional<ProjectSettings> changed = m_services.asker.editProjectSettings(m_project->name, m_project->settings);
    if (!changed || *changed == m_project->settings)
        return;
    const QString digest = currentDescriptorDigest(*m_project);
    if (const Result<> saved = m_services.store.saveProjectSettings(*m_project, *changed, digest); !saved) {
        m_services.asker.showMessage(saved.error());
        return;
    }
    m_project->settings = *changed;
    m_project->jamChecked = digest;
}

void ProjectSession::stop()
{
    m_services.runners.stopRunning();
    m_services.ftp.abortTransfers();
}
