#include "app/code_page.h"
#include "app/project_files.h"
#include "app/settings_store.h"
#include "app/toolchain.h"
#include "build/build_commands.h"
#include "file_bytes.h"
#include "project_sandbox.h"
#include "session/project_session.h"
#include "ui/source_text.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

using Command = ProjectSession::Command;

// The refusals of Build, Run and Upload, "-" for none, "held" for one that
// stays until the next command.
QString gates(const ProjectSession &session)
{
    QStringList texts;
    for (const Command command : {Command::Build, Command::Run, Command::Upload}) {
        const ProjectSession::Refusal refusal = session.refusal(command);
        texts << (refusal.text.isEmpty() ? QStringLiteral("-") : refusal.text + (refusal.held ? " held" : ""));
    }
    return texts.join(QLatin1String(" | "));
}

const char kCompileError[] = "Hello.java:3: ';' expected\n    int x = 1\n             ^\n1 error\n";

// A tool answers as its step says: the compiler fails with kCompileError,
// the emulator ends with 3; the archiver writes the archive.
void script(ProjectSandbox &box, const QStringList &failing)
{
    box.runners.answer = [&box, failing](const QString &line) {
        const Toolchain tools = Toolchain::fromSettings(box.settings(), box.store.style(), QString());
        if (line == compileCommandLine(tools) && failing.contains(QLatin1String("compile")))
            return CommandResult{1, QString::fromLatin1(kCompileError)};
        if (line == emulatorCommandLine(tools, box.name()) && failing.contains(QLatin1String("emulator")))
            return CommandResult{3, QString()};
        if (line == packageCommandLine(tools, box.name()))
            box.writeFile(QStringLiteral("bin/Hello.jar"), "PK");
        return CommandResult{};
    };
}

// One step of a road: the command as a user gives it, with the answers to
// its questions.
bool perform(ProjectSandbox &box, ProjectSession &session, const QString &step)
{
    const QStringList words = step.split(QLatin1Char(' '));
    const QString &command = words.first();
    box.bench.yesNoAnswer = words.contains(QLatin1String("yes"));
    if (command == QLatin1String("open"))
        return session.open(words.value(1));
    if (command == QLatin1String("build"))
        return session.build(), box.bench.results.last();
    if (command == QLatin1String("run"))
        return session.run(), box.bench.results.last();
    if (command == QLatin1String("upload"))
        return session.upload(), box.bench.results.last();
    if (command == QLatin1String("clean"))
        return session.clean(), true;
    if (command == QLatin1String("settings")) {
        if (words.contains(QLatin1String("SPsize"))) {
            ProjectSettings changed = session.project()->settings;
            changed.SPsize = QStringLiteral("1024");
            box.bench.settingsAnswer = changed;
        }
        return session.editSettings(), true;
    }
    qFatal("unknown step %s", qPrintable(step));
}

// A second project beside the sandbox's own, with a version of its own.
bool addGame(ProjectSandbox &box)
{
    return writeBytes(box.sdkDir() + QStringLiteral("/apps/Game/src/Game.java"),
                      *toCodePage(templateSource(QStringLiteral("Game"))))
           && box.store.WriteIniString(QStringLiteral("Game"), QStringLiteral("minor"), QStringLiteral("5"));
}

// The window's editors as the actions see them: the main file through the
// sandbox's document, each other file open in an editor of its own.
class Editors : public SourceDocument
{
public:
    struct Editor : Workbench {
        QString text;
        bool modified = false;
        QString sourceText() const override { return text; }
        void setSourceText(const QString &t) override { text = t; modified = false; }
        bool isSourceModified() const override { return modified; }
        void setSourceModified(bool m) override { modified = m; }
    };

    Editors(SourceDocument &main, SessionEvents &events) : m_main(main), m_events(events) {}
    Result<std::optional<QString>> read(const QString &path) override { return m_main.read(path); }
    SaveOutcome save(const QString &path) override { return m_main.save(path); }
    QStringList changedOtherFiles() const override
    {
        QStringList changed;
        for (auto it = others.cbegin(); it != others.cend(); ++it) {
            if (it->modified)
                changed << it.key();
        }
        return changed;
    }
    SaveOutcome saveOther(const QString &path) override { return SaveSource(others[path], m_events, path); }

    QMap<QString, Editor> others;  // by path on disk

private:
    SourceDocument &m_main;
    SessionEvents &m_events;
};

} // namespace

class ProjectSessionTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void roads_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("failing");  // compile, emulator
        QTest::addColumn<QString>("results");      // of each step, 1 or 0
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QString>("gates");
        const QString noProject = QStringLiteral("プロジェクトが開かれていません。");
        const QString allOpen = QStringLiteral("- | - | -");
        QTest::newRow("nothing opened: every button refuses")
            << QStringList{} << QStringList{} << "" << QStringList{} << QStringList(3, noProject).join(" | ");
        QTest::newRow("an unknown name opens nothing, with a message")
            << QStringList{"open Nope"} << QStringList{} << "0" << QStringList{} << QStringList(3, noProject).join(" | ");
        QTest::newRow("opening allows all three")
            << QStringList{"open Hello"} << QStringList{} << "1" << QStringList{"message"} << allOpen;
        QTest::newRow("a build reports its commands, budget and result")
            << QStringList{"open Hello", "build"} << QStringList{} << "11"
            << QStringList{"message", "Build started", "cleared", "message", "message", "tool", "command", "message",
                           "message", "message", "Build ended ok", "budget 1"}
            << allOpen;
        QTest::newRow("a failed compile reports its error, and Run waits for a build")
            << QStringList{"open Hello", "build"} << QStringList{"compile"} << "10"
            << QStringList{"message", "Build started", "cleared", "message", "message", "tool", "command", "output",
                           "output", "output", "output", "message", "error Hello.java:3:14", "message",
                           "Build ended failed", "budget 0"}
            << "- | 先にビルドしてください。 | -";
        QTest::newRow("Upload waits for a Run after a clean, the note held")
            << QStringList{"open Hello", "build", "clean yes", "build"} << QStringList{} << "1111"
            << QStringList{} << "- | - | 先に実行してください。 held";
        QTest::newRow("a clean declined leaves the products")
            << QStringList{"open Hello", "build", "clean no"} << QStringList{} << "111" << QStringList{} << allOpen;
        QTest::newRow("a clean leaves nothing to run or send")
            << QStringList{"open Hello", "build", "clean yes"} << QStringList{} << "111" << QStringList{}
            << "- | 先にビルドしてください。 | 先に実行してください。 held";
        QTest::newRow("a Run that fails still lets Upload go")
            << QStringList{"open Hello", "build", "clean yes", "build", "run"} << QStringList{"emulator"} << "11110"
            << QStringList{} << allOpen;
        QTest::newRow("the settings dialog cancelled changes nothing")
            << QStringList{"open Hello", "settings"} << QStringList{} << "11" << QStringList{"message"} << allOpen;
        QTest::newRow("the settings changed are saved")
            << QStringList{"open Hello", "settings SPsize"} << QStringList{} << "11" << QStringList{"message"} << allOpen;
    }

    void roads()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, failing);
        QFETCH(QStringList, events);
        ProjectSandbox box;
        QVERIFY(box.isValid() && box.writeProject());
        script(box, failing);
        ProjectSession session(box.services());

        QString results;
        for (const QString &step : std::as_const(steps))
            results += perform(box, session, step) ? QLatin1Char('1') : QLatin1Char('0');

        QTEST(results, "results");
        if (!events.isEmpty())
            QCOMPARE(box.bench.events, events);
        QTEST(gates(session), "gates");
        QVERIFY(!session.isBusy());
        QCOMPARE(session.refusal(Command::PhoneAddress).text, QStringLiteral("まだアップロードしていません。"));
        const bool opened = steps.contains(QLatin1String("open Hello"));
        QCOMPARE(box.bench.messages.size(), steps.contains(QLatin1String("open Nope")) ? 1 : 0);
        QCOMPARE(box.bench.questions.size(), int(steps.filter(QLatin1String("clean")).size()));
        QCOMPARE(box.bench.settingsShown, QStringList(steps.filter(QLatin1String("settings")).size(), box.name()));
        if (steps.contains(QLatin1String("settings SPsize")))
            QCOMPARE(box.store.readProjectRecord(box.name())->settings.SPsize, QStringLiteral("1024"));
        if (steps.contains(QLatin1String("clean yes")) && steps.last() == QLatin1String("clean yes"))
            QVERIFY(!QFileInfo::exists(box.inProject(QStringLiteral("bin/Hello.jar"))));
        QCOMPARE(session.project() ? session.project()->name : QString(), opened ? box.name() : QString());
    }

    // Sources below src in package folders, and a main class named in the settings.
    void packages_data()
    {
        QTest::addColumn<QString>("appClass");  // the setting; empty: none
        QTest::addColumn<QStringList>("sources");  // below src, beside Hello.java
        QTest::addColumn<QString>("wildcards");    // the compile line's sources; empty: the project does not open
        QTest::addColumn<QString>("opened");       // below src, the file the editor shows
        QTest::newRow("no setting: package folders beside the project's own file")
            << QString() << QStringList{"jp/Util.java", "jp/example/Board.java"}
            << "src/*.java src/jp/*.java src/jp/example/*.java" << "Hello.java";
        QTest::newRow("main class in a package, none in src itself")
            << "jp.example.Game" << QStringList{"jp/example/Game.java", "jp/example/parts/Ship.java"}
            << "src/jp/example/*.java src/jp/example/parts/*.java" << "jp/example/Game.java";
        QTest::newRow("main class named but missing: no project")
            << "jp.example.Gone" << QStringList{"jp/example/Game.java"} << QString() << QString();
        QTest::newRow("main class that is no class name: the project's own file opens, the build refuses")
            << "jp..Game" << QStringList() << QString("-") << "Hello.java";
    }

    void packages()
    {
        QFETCH(QString, appClass);
        QFETCH(QStringList, sources);
        QFETCH(QString, wildcards);
        QFETCH(QString, opened);
        ProjectSandbox box;
        QVERIFY(box.isValid() && box.writeProject());
        if (!appClass.isEmpty())
            QVERIFY(box.store.WriteIniString(box.name(), QStringLiteral("AppClass"), appClass));
        if (!appClass.isEmpty() && opened != QLatin1String("Hello.java"))
            QVERIFY(QFile::remove(box.inProject(QStringLiteral("src/Hello.java"))));
        for (const QString &source : sources)
            QVERIFY(box.writeFile(QStringLiteral("src/") + source, "class X {}\r\n" + source.toLatin1() + "\r\n"));
        QStringList compiled;
        box.runners.answer = [&](const QString &line) {
            compiled << line;
            if (line.contains(QLatin1String("jar\" cMf")))
                box.writeFile(QStringLiteral("bin/Hello.jar"), "PK");
            return CommandResult{};
        };
        ProjectSession session(box.services());
        QCOMPARE(session.open(box.name()), !opened.isEmpty());
        if (opened.isEmpty()) {
            QCOMPARE(box.bench.messages, QStringList{QStringLiteral("プロジェクトの設定のAppClass(%1)のソースファイル %2 がありません。")
                                                         .arg(appClass, QDir::toNativeSeparators(box.inProject(QStringLiteral("src/") + classSourcePath(appClass))))});
            return;
        }
        QCOMPARE(box.bench.source, QString::fromLatin1(readBytes(box.inProject(QStringLiteral("src/") + opened))));
        box.bench.modified = true;
        session.build();
        const QString mainFile = box.inProject(QStringLiteral("src/") + opened);
        QVERIFY2(box.bench.log.startsWith(mainFile + QStringLiteral("を保存しました。\r\n")), qPrintable(box.bench.log));
        if (wildcards == QLatin1String("-")) {
            QVERIFY(compiled.isEmpty());
            QCOMPARE(box.bench.results, QList<bool>{false});
            return;
        }
        QVERIFY(!compiled.isEmpty());
        QVERIFY2(compiled.first().endsWith(QLatin1Char(' ') + wildcards), qPrintable(compiled.first()));
        const QString mainClass = appClass.isEmpty() ? box.name() : appClass;
        QVERIFY(readBytes(box.inProject(QStringLiteral("bin/Hello.jam"))).contains("\r\nAppClass = " + mainClass.toLatin1() + "\r\n"));
    }

    // Several sources, some open and changed: what Build saves, what leaving
    // asks, and the files New class and Remove file make and take.
    void multiFileRoads_data()
    {
        QTest::addColumn<QStringList>("edited");  // below src; Hello.java is the main file's editor
        QTest::addColumn<QString>("step");        // build, leave, leave save, new <Name>, remove <file> [yes]
        QTest::addColumn<QStringList>("saved");   // below src, in the order of the log's save lines
        QTest::addColumn<QStringList>("named");   // by the question about unsaved changes
        QTest::addColumn<QStringList>("after");   // the sources below src after the step
        QTest::addColumn<int>("messages");
        const QStringList tree{"A.java", "Hello.java", "jp/Board.java"};
        QTest::newRow("build saves every changed file in tree order, the main file always")
            << QStringList{"jp/Board.java", "A.java"} << "build" << QStringList{"A.java", "Hello.java", "jp/Board.java"}
            << QStringList() << tree << 0;
        QTest::newRow("build with only the main file's editor saves it alone, as with one file")
            << QStringList{} << "build" << QStringList{"Hello.java"} << QStringList() << tree << 0;
        QTest::newRow("leaving asks once, naming the changed files; No saves none")
            << QStringList{"Hello.java", "jp/Board.java"} << "leave" << QStringList()
            << QStringList{"Hello.java", "jp/Board.java"} << tree << 0;
        QTest::newRow("leaving with Save saves them all")
            << QStringList{"jp/Board.java"} << "leave save" << QStringList{"jp/Board.java"}
            << QStringList{"jp/Board.java"} << tree << 0;
        QTest::newRow("a new class is made in src")
            << QStringList{} << "new Enemy" << QStringList() << QStringList()
            << QStringList{"A.java", "Enemy.java", "Hello.java", "jp/Board.java"} << 0;
        QTest::newRow("a new class of a name there in another case is refused")
            << QStringList{} << "new a" << QStringList() << QStringList() << tree << 1;
        QTest::newRow("a new class that is no class name is refused")
            << QStringList{} << "new 2d" << QStringList() << QStringList() << tree << 1;
        QTest::newRow("removing a file asks; No keeps it")
            << QStringList{} << "remove jp/Board.java" << QStringList() << QStringList() << tree << 0;
        QTest::newRow("removing a file asks; Yes removes it")
            << QStringList{} << "remove jp/Board.java yes" << QStringList() << QStringList()
            << QStringList{"A.java", "Hello.java"} << 0;
        QTest::newRow("the main file is never removed")
            << QStringList{} << "remove Hello.java yes" << QStringList() << QStringList() << tree << 1;
    }

    void multiFileRoads()
    {
        QFETCH(QStringList, edited);
        QFETCH(QString, step);
        ProjectSandbox box;
        QVERIFY(box.isValid() && box.writeProject());
        for (const QString &file : {QStringLiteral("A.java"), QStringLiteral("jp/Board.java")})
            QVERIFY(box.writeFile(QStringLiteral("src/") + file, "class X {}\r\n"));
        box.runners.answer = [](const QString &) { return CommandResult{}; };
        Editors editors(box.document, box.bench);
        ProjectSession session(Services{box.store, box.bench, box.bench, editors, box.bench, box.runners, box.ftp, box.clock});
        QVERIFY(session.open(box.name()));
        const ProjectPaths &paths = session.project()->paths;
        for (const QString &file : edited) {
            if (file == QLatin1String("Hello.java")) {
                box.bench.source += QStringLiteral("// more\r\n");
                box.bench.modified = true;
            } else {
                editors.others[paths.sourceFileAt(file)] = {};
                editors.others[paths.sourceFileAt(file)].text = QStringLiteral("class Y {}\r\n");
                editors.others[paths.sourceFileAt(file)].modified = true;
            }
        }
        const QStringList words = step.split(QLatin1Char(' '));
        box.bench.yesNoAnswer = words.contains(QLatin1String("yes"));
        box.bench.saveAnswer = words.contains(QLatin1String("save")) ? Asker::SaveAnswer::Save : Asker::SaveAnswer::Discard;
        if (words[0] == QLatin1String("build"))
            session.build();
        else if (words[0] == QLatin1String("leave"))
            QVERIFY(session.maySourceBeLeft());
        else if (words[0] == QLatin1String("new"))
            (void)session.newClass(words[1]);
        else if (words[0] == QLatin1String("remove"))
            (void)session.removeSource(paths.sourceFileAt(words[1]));

        QStringList saved;
        static const QRegularExpression saveLine(QStringLiteral("^(.*)を保存しました。$"), QRegularExpression::MultilineOption);
        for (auto it = saveLine.globalMatch(QString(box.bench.log).remove(QLatin1Char('\r'))); it.hasNext();)
            saved << it.next().captured(1).mid(paths.sourceFolder().size() + 1);
        QTEST(saved, "saved");
        QTEST(box.bench.namedInQuestion, "named");
        QTEST(session.sources(), "after");
        QTEST(int(box.bench.messages.size()), "messages");
        if (words[0] == QLatin1String("new") && box.bench.messages.isEmpty())
            QCOMPARE(readBytes(paths.sourceFileAt(words[1] + QStringLiteral(".java"))), "public class " + words[1].toLatin1() + " {\r\n}\r\n");
    }

    // Whether unsaved edits may be left is the source text's table; here only
    // that its answer gates both commands.
    void menuCommands_data()
    {
        QTest::addColumn<bool>("open");       // File > Open project, or File > New project
        QTest::addColumn<bool>("modified");   // unsaved edits, and Cancel to the question about them
        QTest::addColumn<QString>("chosen");  // by the chooser or the new-project dialog
        QTest::addColumn<bool>("opened");
        QTest::newRow("open: the chooser lists the apps folder") << true << false << "Game" << true;
        QTest::newRow("open: chooser cancelled, no error") << true << false << "" << false;
        QTest::newRow("open: unsaved edits kept") << true << true << "Game" << false;
        QTest::newRow("new opens what the dialog made") << false << false << "Game" << true;
        QTest::newRow("new: the dialog made nothing") << false << false << "" << false;
        QTest::newRow("new: unsaved edits kept") << false << true << "Game" << false;
    }

    void menuCommands()
    {
        QFETCH(bool, open);
        QFETCH(bool, modified);
        QFETCH(QString, chosen);
        QFETCH(bool, opened);
        ProjectSandbox box;
        QVERIFY(box.isValid() && addGame(box));
        ProjectSession session(box.services());
        QVERIFY(session.open(box.name()));
        box.bench.source = QStringLiteral("edited");
        box.bench.modified = modified;
        box.bench.saveAnswer = Asker::SaveAnswer::Cancel;
        box.bench.chooserAnswer = box.bench.newProjectAnswer = chosen;

        QCOMPARE(open ? session.openChosen() : session.createNew(), opened);

        QCOMPARE(box.bench.saveQuestions, modified ? 1 : 0);
        QCOMPARE(box.bench.chooserPatterns,
                 open && !modified ? QStringList{box.sdkDir() + QStringLiteral("/apps/*")} : QStringList());
        QCOMPARE(box.bench.source, opened ? templateSource(QStringLiteral("Game")) : QStringLiteral("edited"));
        QCOMPARE(box.settings().lastProject, opened ? QStringLiteral("Game") : QStringLiteral("Hello"));
        QCOMPARE(session.project()->name, opened ? QStringLiteral("Game") : QStringLiteral("Hello"));
        QCOMPARE(box.bench.chooserCurrents, open && !modified ? QStringList{QStringLiteral("Hello")} : QStringList());
        QVERIFY(box.bench.messages.isEmpty());
    }

    // One action at a time: a command given while another is under way finds
    // the session busy.
    void busyWhileAnActionRuns()
    {
        ProjectSandbox box;
        QVERIFY(box.isValid() && box.writeProject());
        ProjectSession session(box.services());
        QVERIFY(session.open(box.name()));
        bool busyMeanwhile = false;
        box.runners.answer = [&](const QString &) {
            busyMeanwhile = session.isBusy();
            return CommandResult{};
        };
        session.build();
        QVERIFY(busyMeanwhile);
        QVERIFY(!session.isBusy());
    }
};

QTEST_GUILESS_MAIN(ProjectSessionTest)
#include "tst_project_session.moc"
