// The stand-in JDK 1.3 and DoJa SDK as a user meets them: the program's own headless
// Build of a project in a private copy of the stand-in SDK, then the emulator on it.
#include "file_bytes.h"
#include "project_sandbox.h"
#include "test_paths.h"

#include "app/code_page.h"
#include "app/toolchain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRect>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

QString standinJdk() { return standinDir() + QStringLiteral("/jdk"); }
QString standinDoja() { return standinDir() + QStringLiteral("/doja"); }

// A source whose start() holds the given statements, from line 7 on.
QString sourceWith(const QString &statements, const QString &members = QString())
{
    return QStringLiteral("import com.nttdocomo.ui.*;\r\nimport java.io.*;\r\nimport java.util.*;\r\n"
                          "import javax.microedition.io.*;\r\n"
                          "public class Hello extends IApplication {\r\n"
                          "    public void start() {\r\n")
           + statements + QStringLiteral("    }\r\n") + members + QStringLiteral("}\r\n");
}

struct Outcome {
    int exitCode = -1;
    QString out;
};

Outcome run(const QString &program, const QStringList &arguments, const QString &folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool ended = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    return {ended ? process.exitCode() : -1, QString::fromUtf8(process.readAll())};
}

ProjectSandbox::Options headlessOptions(const QString &name, const QString &iniLines)
{
    ProjectSandbox::Options options;
    options.name = name;
    options.javaPath = standinJdk();
    options.extraGlobalLines = iniLines;
    options.createSdk = false;
    return options;
}

// The program itself beside its own settings file, which points at a copy of
// the stand-in SDK holding one project.
struct HeadlessProject {
    explicit HeadlessProject(const QString &name = QStringLiteral("Hello"), const QString &iniLines = QString())
        : box(headlessOptions(name, iniLines))
    {
    }

    ProjectSandbox box;
    QString program = box.appDir() + QStringLiteral("/quenvel");
    bool valid = box.isValid() && copyTree(standinDoja(), box.sdkDir()) && box.writeProject()
                 && QFile::copy(binaryDir() + QStringLiteral("/quenvel"), program);

    bool setSource(const QString &text) { return box.writeFile(QStringLiteral("src/Hello.java"), toCodePage(text).value()); }

    // The sources and resources of an application under tests/standin/apps.
    bool setFixture()
    {
        const QString fixture = sourceDir() + QStringLiteral("/tests/standin/apps/") + box.name();
        return QFile::remove(box.inProject(QStringLiteral("src/%1.java").arg(box.name())))
               && copyTree(fixture, box.projectFolder());
    }

    Outcome build() { return run(program, {QStringLiteral("--build"), box.name()}, box.root()); }

    QString descriptorPath() const { return box.inProject(QStringLiteral("bin/%1.jam").arg(box.name())); }

    // Each "Key = value" takes the place of the descriptor's line of that key, whatever its case.
    bool setDescriptorLines(const QStringList &lines)
    {
        QStringList kept = QString::fromLatin1(readBytes(descriptorPath())).split(QStringLiteral("\r\n"));
        for (const QString &line : lines) {
            const QString key = line.section(QLatin1Char('='), 0, 0).trimmed();
            kept.removeIf([&](const QString &old) {
                return old.section(QLatin1Char('='), 0, 0).trimmed().compare(key, Qt::CaseInsensitive) == 0;
            });
        }
        return writeBytes(descriptorPath(), (kept + lines).join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
    }

    // The emulator as Run starts it, without a display, writing its screen to
    // shot after pressing the keys.
    Outcome emulate(const QString &shot, const QString &keys = QString())
    {
        const QString lib = box.sdkDir() + QStringLiteral("/lib/");
        // The project's target profile picks the API archive, as for Run.
        const Toolchain tools = Toolchain::fromSettings(box.settings(), box.store.style(), box.project().settings.TargetProfile);
        const QString classPath = QStringLiteral("%1dojatest.zip:%1kenv.zip:").arg(lib) + QString(tools.classPath).remove(QLatin1Char('"'));
        QStringList arguments = {QStringLiteral("-Djava.awt.headless=true"), QStringLiteral("-Ddojaemu.screenshot=") + shot};
        if (!keys.isEmpty())
            arguments << QStringLiteral("-Ddojaemu.keys=") + keys;
        arguments << QStringLiteral("-classpath") << classPath << QStringLiteral("com.nttdocomo.dojaemu.tests.Tester")
                  << QStringLiteral("jam") << QStringLiteral("phone1color") << QStringLiteral("bin/%1.jam").arg(box.name());
        return run(standinJdk() + QStringLiteral("/bin/java"), arguments, box.projectFolder());
    }
};

// tests/standin/http_server.py on a free port of 127.0.0.1, until the object goes.
struct HttpServer {
    QProcess process;
    int port = 0;

    bool start()
    {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral("/usr/bin/python3"), {sourceDir() + QStringLiteral("/tests/standin/http_server.py")});
        while (process.waitForStarted(5000) && !process.canReadLine()) {
            if (!process.waitForReadyRead(10000))
                return false;
        }
        port = process.readLine().trimmed().toInt();
        return port > 0;
    }

    ~HttpServer()
    {
        process.closeWriteChannel();
        if (!process.waitForFinished(5000))
            process.kill();
        process.waitForFinished(3000);
    }
};

struct Probe {
    QPoint at;
    QColor colour;
};
using Probes = QList<Probe>;

// javap's text of the archive's classes: each class's header and its members, sorted.
QMap<QString, QStringList> publicSurface(const QString &javap, const QString &archive, const QStringList &classes)
{
    const Outcome shown = run(javap, QStringList{QStringLiteral("-protected"), QStringLiteral("-constants"),
                                                 QStringLiteral("-classpath"), archive} + classes, QDir::tempPath());
    static const QRegularExpression header(QStringLiteral("^\\S.*\\b(?:class|interface) ([\\w.$]+)"));
    QMap<QString, QStringList> surface;
    QString current;
    for (QString line : shown.out.split(QLatin1Char('\n'))) {
        // How a body is run is no signature.
        line.remove(QStringLiteral("synchronized ")).remove(QStringLiteral("native "));
        const QRegularExpressionMatch match = header.match(line);
        if (match.hasMatch())
            current = match.captured(1);
        if (!current.isEmpty() && !line.trimmed().isEmpty() && line != QStringLiteral("}"))
            surface[current] << line.trimmed();
    }
    for (QStringList &members : surface)
        members.sort();
    return surface;
}

// Every file below the folder, by its relative path, with its bytes.
QMap<QString, QByteArray> filesUnder(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path.mid(folder.size()), readBytes(path));
    }
    return files;
}

// The entries of an archive with their bytes, as the stand-in jar unpacks them.
QMap<QString, QByteArray> archiveEntries(const QString &archive)
{
    QTemporaryDir unpacked;
    if (!QFileInfo::exists(archive) || !unpacked.isValid())
        return {};
    run(standinJdk() + QStringLiteral("/bin/jar"), {QStringLiteral("xf"), archive}, unpacked.path());
    return filesUnder(unpacked.path());
}

} // namespace

Q_DECLARE_METATYPE(Probes)

class StandinTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        if (!QFileInfo(standinJdk() + QStringLiteral("/bin/javac")).isExecutable())
            QSKIP("the stand-in JDK and DoJa SDK are not assembled in this build tree");
        // The tools' compile service of these tests alone, ended with them.
        QVERIFY(m_runtime.isValid());
        QVERIFY(QFile::setPermissions(m_runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        qputenv("QUENVEL_STANDIN_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    }

    void cleanupTestCase()
    {
        if (m_runtime.isValid())
            run(standinJdk() + QStringLiteral("/lib/standin-client"), {QStringLiteral("--stop")}, QDir::tempPath());
    }

    // What the handset has, the compiler accepts in the first screen's source.
    void compilerRefuses_data()
    {
        QTest::addColumn<QString>("statement");  // the seventh line of the source
        QTest::addColumn<QString>("complaint");  // in the compiler's message
        QTest::newRow("for-each is Java 5") << "for (Object o : new Vector()) { }" << "'for each'";
        QTest::newRow("generics are Java 5") << "Vector<String> v = null;" << "parameterized types";
        QTest::newRow("the handset has no ArrayList") << "ArrayList list = null;" << "ArrayList cannot be resolved";
        QTest::newRow("the handset has no String.format")
            << "String s = String.format(\"%d\", new Object[0]);" << "format(String, Object[]) is undefined";
    }

    void compilerRefuses()
    {
        QFETCH(QString, complaint);
        QFETCH(QString, statement);
        const QString line = QStringLiteral("        ") + statement;
        HeadlessProject project;
        QVERIFY(project.valid);
        QVERIFY(project.setSource(sourceWith(line + QStringLiteral("\r\n"))));

        const Outcome outcome = project.build();
        QCOMPARE(outcome.exitCode, 1);
        // javac's form: file:line: message, the source line, a caret under it.
        const QRegularExpression report(QStringLiteral("\nsrc/Hello\\.java:7: [^\n]*%1[^\n]*\n%2\n *\\^\n")
                                            .arg(QRegularExpression::escape(complaint), QRegularExpression::escape(line)));
        QVERIFY2(report.match(outcome.out).hasMatch(), qPrintable(outcome.out));
        QVERIFY2(outcome.out.endsWith(QStringLiteral("\nコンパイルは失敗しました。\n")), qPrintable(outcome.out));
    }

    // Applications of every kind, built by the program and run in the emulator
    // without a display: what they print, their screen after the keys, their scratchpads.
    void emulatorRunsTheApplication_data()
    {
        QTest::addColumn<QString>("app");             // under tests/standin/apps
        QTest::addColumn<QString>("ini");             // the project's settings in Tovra.ini
        QTest::addColumn<QStringList>("descriptor");  // lines put in the .jam; %PORT% is the test server's
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("output");          // the application's lines around the driver's
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<Probes>("probes");
        QTest::addColumn<QByteArray>("scratchpadBefore");  // bin/<app>.sp, when given
        QTest::addColumn<QByteArray>("scratchpadAfter");
        QTest::addColumn<QRect>("mirrored");  // drawn alike just below itself, when given

        const QColor navy(0, 0, 128), lime(0, 255, 0), red(255, 0, 0), blue(0, 0, 255), white(255, 255, 255);
        const auto started = [](const char *app) {
            return QStringLiteral("Tester: %1 を起動しました (phone1color)\n").arg(QLatin1String(app));
        };
        QTest::newRow("canvas game: image, offscreen image, arrows, * and #, DrawArea")
            << "Game" << "DrawArea=176x208" << QStringList()
            << "RIGHT,RIGHT,DOWN,*,#" << started("Game") << QSize(176, 208)
            << Probes{{{100, 112}, lime}, {{84, 104}, navy}, {{8, 8}, QColor(255, 255, 0)},
                      {{167, 8}, QColor(0, 255, 255)}, {{170, 200}, navy}}
            << QByteArray() << QByteArray() << QRect();
        QTest::newRow("start() that never returns still hears the keys")
            << "Loop" << QString() << QStringList() << "1,2" << started("Loop") + "key 1\nkey 2\n" << QSize(240, 240)
            << Probes{{{120, 120}, lime}} << QByteArray() << QByteArray() << QRect();
        QTest::newRow("panel of every component: focus, listeners, soft key, dialog")
            << "Form" << QString() << QStringList() << "SELECT,DOWN,DOWN,DOWN,SELECT,5,SOFT1,RIGHT,SELECT,0"
            << started("Form") + "key 20\npart 1 type 1 param 0\nkey 19\nkey 19\nkey 19\nkey 20\npart 3 type 2 param 1\n"
               "key 5\nsoft 0\nanswer 8\nkey 0\nlaid out in order\n"
            << QSize(240, 240) << Probes{{{1, 1}, navy}, {{0, 120}, lime}} << QByteArray() << QByteArray() << QRect();
        QTest::newRow("panel set by HTMLLayout")
            << "Page" << QString() << QStringList() << "0" << started("Page") + "centred true, right true, broken true\n"
            << QSize(240, 240) << Probes{{{146, 12}, red}, {{4, 12}, white}, {{234, 34}, blue}}
            << QByteArray() << QByteArray() << QRect();
        // A DoJa-1.0 descriptor has no ProfileVer: the screen follows the profile's archive.
        QTest::newRow("MIDI sound with its listener's events, on a DoJa-1.0 screen")
            << "Tone" << "TargetProfile=DoJa-1.0" << QStringList() << QString()
            << started("Tone") + "heard 1 3 in time\n" << QSize(120, 130) << Probes{{{60, 65}, lime}} << QByteArray() << QByteArray() << QRect();
        QTest::newRow("HTTP GET, POST and a missing page")
            << "Fetch" << QString()
            << QStringList{QStringLiteral("usenetwork = http"), QStringLiteral("AppParam = http://127.0.0.1:%PORT%")}
            << QString() << "get hello, post ABC, missing 404\n" + started("Fetch") << QSize(240, 240) << Probes{{{120, 120}, lime}}
            << QByteArray() << QByteArray() << QRect();
        QTest::newRow("HTTP refused without UseNetwork")
            << "Fetch" << QString() << QStringList{QStringLiteral("AppParam = http://127.0.0.1:%PORT%")} << QString()
            << "refused: java.lang.SecurityException\n" + started("Fetch") << QSize(240, 240) << Probes{{{120, 120}, blue}}
            << QByteArray() << QByteArray() << QRect();
        // An older run left the data alone; the emulator keeps it in the SDK's layout.
        const QByteArray header = QByteArray("\x08\0\0\0\x10\0\0\0", 8) + QByteArray(56, '\xff');
        QTest::newRow("scratchpad list, from a file of data alone to the SDK's layout")
            << "Pads" << "SPsize=8,16" << QStringList() << QString()
            << "ABCDEFGH 772 end, overrun refused, third refused\n" + started("Pads") << QSize(240, 240) << Probes{{{120, 120}, lime}}
            << QByteArray("ABCDEFGH")
            << header + "ABCDEFGH" + QByteArray("\0\0\0\0\x01\x02\x03\x04", 8) + QByteArray(8, '\0') << QRect();
        QTest::newRow("DoJa-4.0 project with float, built against its profile's archive")
            << "Float40" << "TargetProfile=DoJa-4.0" << QStringList() << QString() << "float 3.0, sin 1.0, root 1.5\n" + started("Float40")
            << QSize(240, 240) << Probes{{{120, 120}, lime}} << QByteArray() << QByteArray() << QRect();
        // Decoded Windows-31J above the literal: both rows must look alike.
        QTest::newRow("default encoding is Windows-31J: strings, readers, writers, prints, the screen")
            << "Kanji" << QString() << QStringList() << QString() << "日本語 true 6 日本語 6 6\n日本語\n" + started("Kanji")
            << QSize(240, 240) << Probes{{{0, 0}, white}} << QByteArray() << QByteArray() << QRect(0, 0, 240, 120);
        QTest::newRow("desktop and emulator classes are out of the application's reach")
            << "Walls" << QString() << QStringList() << QString() << "missing missing missing made found made\n" + started("Walls")
            << QSize(240, 240) << Probes{{{120, 120}, lime}} << QByteArray() << QByteArray() << QRect();
        QTest::newRow("five classes in two packages, the main class in one of them")
            << "Quest" << "AppClass=jp.example.quest.Quest" << QStringList() << QString()
            << "ship 4 rock 5 score 10\n" + started("jp.example.quest.Quest")
            << QSize(240, 240) << Probes{{{120, 120}, lime}} << QByteArray() << QByteArray() << QRect();
        QTest::newRow("keys tapped between two polls count in the next, once")
            << "Taps" << QString() << QStringList() << "1,2,#,3,#"
            << started("Taps") + "press 1\nrelease 1\npress 2\nrelease 2\npress 11\npoll 1 2 11\nrelease 11\n"
               "press 3\nrelease 3\npress 11\npoll 3 11\nrelease 11\n"
            << QSize(240, 240) << Probes{{{120, 120}, lime}} << QByteArray() << QByteArray() << QRect();
    }

    void emulatorRunsTheApplication()
    {
        QFETCH(QString, app);
        QFETCH(QString, ini);
        QFETCH(QStringList, descriptor);
        QFETCH(QString, keys);
        QFETCH(QString, output);
        QFETCH(QSize, screen);
        QFETCH(Probes, probes);
        QFETCH(QByteArray, scratchpadBefore);
        QFETCH(QByteArray, scratchpadAfter);
        QFETCH(QRect, mirrored);
        HeadlessProject project(app, ini.isEmpty() ? QString() : QStringLiteral("[%1]\r\n%2\r\n").arg(app, ini));
        QVERIFY(project.valid);
        QVERIFY(project.setFixture());
        const Outcome built = project.build();
        QVERIFY2(built.exitCode == 0, qPrintable(built.out));
        // The descriptor names the main class the settings name, in its package.
        const QString mainClass = ini.startsWith(QLatin1String("AppClass=")) ? ini.mid(9) : app;
        QVERIFY(readBytes(project.descriptorPath()).contains("\r\nAppClass = " + mainClass.toLatin1() + "\r\n"));
        // What the archive holds: class files of major version 45, the 1.1 format.
        const QByteArray main = readBytes(project.box.inProject(QStringLiteral("classes/%1.class").arg(QString(mainClass).replace(QLatin1Char('.'), QLatin1Char('/')))));
        QCOMPARE(main.left(4) + main.mid(6, 2), QByteArray("\xca\xfe\xba\xbe\0\x2d", 6));

        HttpServer server;
        if (descriptor.join(QString()).contains(QStringLiteral("%PORT%"))) {
            QVERIFY2(server.start(), "the test's HTTP server did not start");
            descriptor.replaceInStrings(QStringLiteral("%PORT%"), QString::number(server.port));
        }
        QVERIFY(project.setDescriptorLines(descriptor));
        const QString scratchpad = project.box.inProject(QStringLiteral("bin/%1.sp").arg(app));
        if (!scratchpadBefore.isEmpty())
            QVERIFY(writeBytes(scratchpad, scratchpadBefore));

        const QString shot = project.box.root() + QStringLiteral("/shot.png");
        const Outcome ran = project.emulate(shot, keys);
        QCOMPARE(ran.exitCode, 0);
        QCOMPARE(ran.out, output);
        const QImage image(shot);
        QCOMPARE(image.size(), screen);
        for (const Probe &probe : probes) {
            QVERIFY2(image.pixelColor(probe.at) == probe.colour,
                     qPrintable(QStringLiteral("%1,%2 is %3").arg(probe.at.x()).arg(probe.at.y())
                                    .arg(image.pixelColor(probe.at).name())));
        }
        if (!scratchpadAfter.isEmpty())
            QCOMPARE(readBytes(scratchpad), scratchpadAfter);
        if (!mirrored.isEmpty()) {
            const QImage drawn = image.copy(mirrored);
            bool inked = false;
            for (int y = 0; y < drawn.height() && !inked; ++y) {
                for (int x = 0; x < drawn.width() && !inked; ++x)
                    inked = drawn.pixel(x, y) != drawn.pixel(0, 0);
            }
            QVERIFY2(inked, "nothing drawn");
            QCOMPARE(drawn, image.copy(mirrored.translated(0, mirrored.height())));
        }
    }

    // SPsize past what the handset holds stops the emulator before it touches the scratchpad file.
    void emulatorRefusesScratchpads_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("spsize");
        QTest::addColumn<QString>("output");
        QTest::newRow("sizes whose sum no array holds")
            << QString() << "999999999,999999999,999999999"
            << "Tester: SPsize 999999999,999999999,999999999 は DoJa-5.1 の端末が持てるスクラッチパッド %1 バイトを超えています\n";
        QTest::newRow("sizes whose sum overflows an int")
            << QString() << "2147483647,2147483647,2"
            << "Tester: SPsize 2147483647,2147483647,2 は DoJa-5.1 の端末が持てるスクラッチパッド %1 バイトを超えています\n";
        QTest::newRow("DoJa-1.0 holds 5 KB")
            << "TargetProfile=DoJa-1.0" << "5121"
            << "Tester: SPsize 5121 は DoJa-1.0 の端末が持てるスクラッチパッド 5120 バイトを超えています\n";
    }

    void emulatorRefusesScratchpads()
    {
        QFETCH(QString, ini);
        QFETCH(QString, spsize);
        QFETCH(QString, output);
        HeadlessProject project(QStringLiteral("Pads"), ini.isEmpty() ? QString() : QStringLiteral("[Pads]\r\n%1\r\n").arg(ini));
        QVERIFY(project.valid);
        QVERIFY(project.setFixture());
        const Outcome built = project.build();
        QVERIFY2(built.exitCode == 0, qPrintable(built.out));
        QVERIFY(project.setDescriptorLines({QStringLiteral("SPsize = ") + spsize}));
        const QString scratchpad = project.box.inProject(QStringLiteral("bin/Pads.sp"));
        QVERIFY(writeBytes(scratchpad, "ABCDEFGH"));
        // The newest profile shares 1 MB between archive and scratchpad.
        const qint64 shared = 1024 * 1024 - QFileInfo(project.box.inProject(QStringLiteral("bin/Pads.jar"))).size();

        const Outcome ran = project.emulate(project.box.root() + QStringLiteral("/shot.png"));
        QCOMPARE(ran.exitCode, 1);
        QCOMPARE(ran.out, output.contains(QStringLiteral("%1")) ? output.arg(shared) : output);
        QCOMPARE(readBytes(scratchpad), QByteArray("ABCDEFGH"));
    }

    // The same projects built with the tools' compile service off and warm:
    // the same log, exit code, class files and archive entries.
    void warmBuildIsTheColdBuild_data()
    {
        QTest::addColumn<QString>("app");  // under tests/standin/apps; empty: the source below
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("source");
        QTest::newRow("canvas game with resources") << "Game" << QString() << QString();
        QTest::newRow("panel of every component") << "Form" << QString() << QString();
        QTest::newRow("Windows-31J strings") << "Kanji" << QString() << QString();
        QTest::newRow("DoJa-4.0 float") << "Float40" << "TargetProfile=DoJa-4.0" << QString();
        QTest::newRow("DoJa-1.0 refuses float") << QString() << "TargetProfile=DoJa-1.0" << sourceWith("        int i = (int) (1.5f * 2);\r\n");
        QTest::newRow("syntax error") << QString() << QString() << sourceWith("        int i = ;\r\n");
    }

    void warmBuildIsTheColdBuild()
    {
        QFETCH(QString, app);
        QFETCH(QString, ini);
        QFETCH(QString, source);
        const QString name = app.isEmpty() ? QStringLiteral("Hello") : app;
        const QString settings = ini.isEmpty() ? QString() : QStringLiteral("[%1]\r\n%2\r\n").arg(name, ini);
        HeadlessProject cold(name, settings);
        HeadlessProject warm(name, settings);
        QVERIFY(cold.valid && warm.valid);
        QVERIFY(app.isEmpty() ? cold.setSource(source) && warm.setSource(source) : cold.setFixture() && warm.setFixture());

        qputenv("QUENVEL_STANDIN_SERVICE", "off");
        const Outcome coldBuild = cold.build();
        qunsetenv("QUENVEL_STANDIN_SERVICE");
        // The first call starts the service; the build after it is served warm.
        warm.build();
        for (int i = 0; i < 100 && QDir(m_runtime.path()).entryList({QStringLiteral("*.sock")}, QDir::System).isEmpty(); ++i)
            QTest::qWait(100);
        QVERIFY(!QDir(m_runtime.path()).entryList({QStringLiteral("*.sock")}, QDir::System).isEmpty());
        const Outcome warmBuild = warm.build();

        QCOMPARE(warmBuild.exitCode, coldBuild.exitCode);
        QCOMPARE(QString(warmBuild.out).replace(warm.box.root(), QStringLiteral("ROOT")),
                 QString(coldBuild.out).replace(cold.box.root(), QStringLiteral("ROOT")));
        QCOMPARE(filesUnder(warm.box.inProject(QStringLiteral("classes"))), filesUnder(cold.box.inProject(QStringLiteral("classes"))));
        const QString archive = QStringLiteral("bin/%1.jar").arg(name);
        QCOMPARE(archiveEntries(warm.box.inProject(archive)), archiveEntries(cold.box.inProject(archive)));
    }

    // Applications compile against the stub and run on the emulator's classes:
    // both must offer the same classes, each with the same members and constant values.
    void emulatorKeepsTheStubsSignatures()
    {
        const QString javap = QStandardPaths::findExecutable(QStringLiteral("javap"));
        if (javap.isEmpty())
            QSKIP("no javap on PATH");
        const QString lib = standinDoja() + QStringLiteral("/lib/");
        const Outcome listing = run(standinJdk() + QStringLiteral("/bin/jar"),
                                    {QStringLiteral("tf"), lib + QStringLiteral("dojaapi.jar")}, lib);
        // The java packages run on the desktop's own classes, a superset.
        QStringList classes;
        for (const QString &entry : listing.out.split(QLatin1Char('\n'))) {
            if (entry.endsWith(QStringLiteral(".class")) && !entry.startsWith(QStringLiteral("java/")))
                classes << entry.chopped(6).replace(QLatin1Char('/'), QLatin1Char('.'));
        }
        QVERIFY(classes.size() > 90);

        const QMap<QString, QStringList> stub = publicSurface(javap, lib + QStringLiteral("dojaapi.jar"), classes);
        const QMap<QString, QStringList> emulator = publicSurface(javap, lib + QStringLiteral("dojatest.zip"), classes);
        for (const QString &name : classes) {
            const QStringList expected = stub.value(name);
            const QStringList actual = emulator.value(name);
            QStringList missing, extra;
            for (const QString &member : expected)
                if (!actual.contains(member))
                    missing << member;
            for (const QString &member : actual)
                if (!expected.contains(member))
                    extra << member;
            QVERIFY2(!expected.isEmpty() && missing.isEmpty() && extra.isEmpty(),
                     qPrintable(QStringLiteral("%1: the emulator lacks [%2] and adds [%3]")
                                    .arg(name, missing.join(QStringLiteral(" | ")), extra.join(QStringLiteral(" | ")))));
        }
    }

private:
    QTemporaryDir m_runtime;
};

QTEST_GUILESS_MAIN(StandinTest)
#include "tst_standin.moc"
