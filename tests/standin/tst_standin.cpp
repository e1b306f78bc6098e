// The stand-in JDK 1.3 and DoJa SDK as a user meets them: the program's own headless
// Build of a project in a private copy of the stand-in SDK, then the emulator on it.
#include "file_bytes.h"
#include "project_sandbox.h"
#include "test_paths.h"

#include "app/code_page.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
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

// The program itself beside its own settings file, which points at a copy of
// the stand-in SDK holding one project.
struct HeadlessProject {
    ProjectSandbox box{{.javaPath = standinJdk(), .extraGlobalLines = {}, .createSdk = false}};
    QString program = box.appDir() + QStringLiteral("/quenvel");
    bool valid = box.isValid() && copyTree(standinDoja(), box.sdkDir()) && box.writeProject()
                 && QFile::copy(binaryDir() + QStringLiteral("/quenvel"), program);

    bool setSource(const QString &text) { return box.writeFile(QStringLiteral("src/Hello.java"), toCodePage(text).value()); }

    Outcome build() { return run(program, {QStringLiteral("--build"), QStringLiteral("Hello")}, box.root()); }

    // The emulator as Run starts it, without a display, writing its first screen to shot.
    Outcome emulate(const QString &shot)
    {
        const QString lib = box.sdkDir() + QStringLiteral("/lib/");
        const QString classPath = QStringLiteral("%1dojatest.zip:%1kenv.zip:.:%1dojaapi.jar").arg(lib);
        return run(standinJdk() + QStringLiteral("/bin/java"),
                   {QStringLiteral("-Djava.awt.headless=true"), QStringLiteral("-Ddojaemu.screenshot=") + shot,
                    QStringLiteral("-classpath"), classPath, QStringLiteral("com.nttdocomo.dojaemu.tests.Tester"),
                    QStringLiteral("jam"), QStringLiteral("phone1color"), QStringLiteral("bin/Hello.jam")},
                   box.projectFolder());
    }
};

} // namespace

class StandinTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        if (!QFileInfo(standinJdk() + QStringLiteral("/bin/javac")).isExecutable())
            QSKIP("the stand-in JDK and DoJa SDK are not assembled in this build tree");
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

    void emulatorShowsTheFirstScreen()
    {
        HeadlessProject project;
        QVERIFY(project.valid);
        QImage dot(4, 4, QImage::Format_RGB32);
        dot.fill(QColor(0, 255, 0));
        QVERIFY(dot.save(project.box.inProject(QStringLiteral("res/dot.png"))));
        QVERIFY(project.setSource(sourceWith(
            QStringLiteral("        Vector v = new Vector(); v.addElement(\"a\" + 1 + 'b'); new Hashtable().put(\"k\", new Integer(3));\r\n"
                           "        for (Enumeration e = v.elements(); e.hasMoreElements();) e.nextElement();\r\n"
                           "        Display.setCurrent(new Board());\r\n"),
            QStringLiteral("    class Board extends Canvas {\r\n"
                           "        public void paint(Graphics g) {\r\n"
                           "            g.setColor(Graphics.getColorOfRGB(0, 0, 128)); g.fillRect(0, 0, getWidth(), getHeight());\r\n"
                           "            g.setColor(Graphics.getColorOfName(Graphics.RED)); g.fillRect(10, 10, 20, 20);\r\n"
                           "            MediaImage dot = MediaManager.getImage(\"resource:///dot.png\");\r\n"
                           "            try {\r\n"
                           "                dot.use(); g.drawImage(dot.getImage(), 100, 100);\r\n"
                           "                DataOutputStream out = Connector.openDataOutputStream(\"scratchpad:///0;pos=4\");\r\n"
                           "                out.writeInt(0x12345678); out.close();\r\n"
                           "                DataInputStream in = Connector.openDataInputStream(\"scratchpad:///0;pos=4\");\r\n"
                           "                if (in.readInt() == 0x12345678) g.setColor(Graphics.getColorOfName(Graphics.YELLOW));\r\n"
                           "                in.close();\r\n"
                           "            } catch (IOException e) { g.setColor(Graphics.getColorOfName(Graphics.BLACK)); }\r\n"
                           "            g.fillRect(200, 200, 10, 10);\r\n"
                           "        }\r\n"
                           "        public void processEvent(int type, int param) {\r\n"
                           "            ShortTimer.getShortTimer(this, 1, 100, false).start();\r\n"
                           "        }\r\n"
                           "    }\r\n"))));
        QCOMPARE(project.build().exitCode, 0);
        // A scratchpad of 16 bytes, which the program's descriptor leaves to the user.
        const QString jam = project.box.inProject(QStringLiteral("bin/Hello.jam"));
        QVERIFY(writeBytes(jam, readBytes(jam).replace("SPsize = \r\n", "SPsize = 16\r\n")));

        const QString shot = project.box.root() + QStringLiteral("/shot.png");
        const Outcome outcome = project.emulate(shot);
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(outcome.out, QStringLiteral("Tester: Hello を起動しました (phone1color)\n"));
        const QImage screen(shot);
        QCOMPARE(screen.size(), QSize(240, 240));
        QCOMPARE(screen.pixelColor(239, 239), QColor(0, 0, 128));
        QCOMPARE(screen.pixelColor(15, 15), QColor(255, 0, 0));
        QCOMPARE(screen.pixelColor(101, 101), QColor(0, 255, 0));
        QCOMPARE(screen.pixelColor(205, 205), QColor(255, 255, 0));
        const QByteArray scratchpad = readBytes(project.box.inProject(QStringLiteral("bin/Hello.sp")));
        QCOMPARE(scratchpad, QByteArray("\0\0\0\0\x12\x34\x56\x78\0\0\0\0\0\0\0\0", 16));

        // What the archive holds: class files of major version 45, the 1.1 format.
        const QByteArray board = readBytes(project.box.inProject(QStringLiteral("classes/Hello$Board.class")));
        QCOMPARE(board.left(4) + board.mid(6, 2), QByteArray("\xca\xfe\xba\xbe\0\x2d", 6));
    }

    // Applications compile against the stub and run on the emulator's classes:
    // both must offer the same classes, members and constant values.
    void emulatorKeepsTheStubsSignatures()
    {
        const QString javap = QStandardPaths::findExecutable(QStringLiteral("javap"));
        if (javap.isEmpty())
            QSKIP("no javap on PATH");
        const QString lib = standinDoja() + QStringLiteral("/lib/");
        const Outcome listing = run(standinJdk() + QStringLiteral("/bin/jar"),
                                    {QStringLiteral("tf"), lib + QStringLiteral("dojaapi.jar")}, lib);
        QStringList classes;
        for (const QString &entry : listing.out.split(QLatin1Char('\n'))) {
            if (entry.endsWith(QStringLiteral(".class")) && !entry.startsWith(QStringLiteral("java/")))
                classes << entry.chopped(6).replace(QLatin1Char('/'), QLatin1Char('.'));
        }
        QVERIFY(classes.size() > 30);

        const auto api = [&](const QString &archive) {
            const Outcome shown = run(javap, QStringList{QStringLiteral("-protected"), QStringLiteral("-constants"),
                                                         QStringLiteral("-classpath"), lib + archive} + classes, lib);
            // One line per member, in any order; how a body is run is no signature.
            QStringList lines = shown.out.split(QLatin1Char('\n'));
            for (QString &line : lines)
                line.remove(QStringLiteral("synchronized ")).remove(QStringLiteral("native "));
            lines.sort();
            return lines;
        };
        QCOMPARE(api(QStringLiteral("dojatest.zip")), api(QStringLiteral("dojaapi.jar")));
    }
};

QTEST_GUILESS_MAIN(StandinTest)
#include "tst_standin.moc"
