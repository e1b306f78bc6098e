// The stand-in SDK's API archives against the handset's listings: the DoJa-1.0
// archive holds exactly the classes, members, modifiers and constant values of
// the DoJa-1.0 listing, and each profile's archive lets through what its
// handsets offer and no more.
#include "test_paths.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString listingDir() { return sourceDir() + QStringLiteral("/../shared/doja-api"); }
QString profileArchive(const QString &profile)
{
    const QString lib = standinDir() + QStringLiteral("/doja/lib/");
    return profile == QStringLiteral("default") ? lib + QStringLiteral("dojaapi.jar")
                                                 : lib + QStringLiteral("profiles/") + profile + QStringLiteral("/dojaapi.jar");
}

QStringList linesOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

struct Run {
    int exitCode = -1;
    QString out;
};

Run run(const QString &program, const QStringList &arguments, const QString &folder = QString())
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool ended = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    return {ended ? process.exitCode() : -1, QString::fromUtf8(process.readAll())};
}

// "Class: public static final int X" in the listing's words, with no package
// names and no parameter names, as both the listing and javap can be put.
QString withoutPackages(QString text)
{
    static const QRegularExpression qualifier(QStringLiteral("\\b(?:[a-z]\\w*\\.)+(?=[A-Z])"));
    return text.remove(qualifier).trimmed();
}

QString withoutParameterNames(const QString &declaration)
{
    static const QRegularExpression call(QStringLiteral("^(.*?)\\((.*)\\)(.*)$"));
    const QRegularExpressionMatch m = call.match(declaration);
    if (!m.hasMatch())
        return declaration;
    QStringList types;
    for (const QString &parameter : m.captured(2).split(QLatin1Char(','), Qt::SkipEmptyParts))
        types << parameter.trimmed().section(QLatin1Char(' '), 0, -2);
    return m.captured(1) + QLatin1Char('(') + types.join(QStringLiteral(", ")) + QLatin1Char(')') + m.captured(3);
}

// What a listing or javap says of the classes: headers and members as lines
// "Class: text", constants as "Class.NAME" to value.
struct Api {
    QSet<QString> lines;
    QMap<QString, QString> constants;
};

Api listedApi()
{
    Api api;
    QString current;
    for (const QString &line : linesOf(listingDir() + QStringLiteral("/doja10-api.txt"))) {
        if (line.startsWith(QStringLiteral("=====")))
            current = line.section(QLatin1Char('/'), -1).chopped(5);
        else if (line.startsWith(QStringLiteral("HDR ")))
            api.lines << current + QStringLiteral(": ") + withoutPackages(line.mid(4)).remove(QStringLiteral(" extends Object"));
    }
    for (const QString &line : linesOf(listingDir() + QStringLiteral("/doja10-details.txt"))) {
        const QString member = line.section(QStringLiteral(": "), 1);
        // A javadoc example that the listing caught along with the members.
        if (!member.contains(QLatin1Char('{')))
            api.lines << line.section(QStringLiteral(": "), 0, 0) + QStringLiteral(": ") + withoutParameterNames(withoutPackages(member));
    }
    for (const QString &line : linesOf(listingDir() + QStringLiteral("/doja10-constants.txt"))) {
        const QString name = line.section(QStringLiteral(" = "), 0, 0);
        api.constants.insert(name.section(QLatin1Char('.'), -2), line.section(QStringLiteral(" = "), 1));
    }
    return api;
}

Api archivedApi(const QString &javap, const QString &archive)
{
    const Run listing = run(standinDir() + QStringLiteral("/jdk/bin/jar"), {QStringLiteral("tf"), archive});
    QStringList classes;
    for (const QString &entry : listing.out.split(QLatin1Char('\n'))) {
        if (entry.startsWith(QStringLiteral("com/nttdocomo/")) && entry.endsWith(QStringLiteral(".class")))
            classes << entry.chopped(6).replace(QLatin1Char('/'), QLatin1Char('.'));
    }
    const Run shown = run(javap, QStringList{QStringLiteral("-protected"), QStringLiteral("-constants"),
                                              QStringLiteral("-classpath"), archive} + classes);
    static const QRegularExpression header(QStringLiteral("^(public .*?(?:class|interface) )([\\w.]+)(.*) \\{$"));
    static const QRegularExpression constant(QStringLiteral("^(.* (\\w+)) = (.*);$"));
    Api api;
    QString current;
    bool inInterface = false;
    for (const QString &line : shown.out.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch h = header.match(line);
        if (h.hasMatch()) {
            current = h.captured(2).section(QLatin1Char('.'), -1);
            inInterface = h.captured(1).contains(QStringLiteral("interface"));
            api.lines << current + QStringLiteral(": ") + withoutPackages(h.captured(1) + current + h.captured(3));
            continue;
        }
        if (!line.startsWith(QStringLiteral("  ")))
            continue;
        QString member = withoutPackages(line.trimmed().chopped(1));
        // An interface's members are abstract without saying so in the listing.
        if (inInterface)
            member.remove(QStringLiteral("abstract "));
        const QRegularExpressionMatch c = constant.match(member + QLatin1Char(';'));
        if (c.hasMatch()) {
            api.constants.insert(current + QLatin1Char('.') + c.captured(2), c.captured(3));
            member = c.captured(1);
        }
        // javap names a constructor with its package.
        api.lines << current + QStringLiteral(": ") + member;
    }
    return api;
}

// The top-level java and javax classes of an archive, "java.util.Vector".
QSet<QString> cldcClasses(const QString &archive)
{
    const Run listing = run(standinDir() + QStringLiteral("/jdk/bin/jar"), {QStringLiteral("tf"), archive});
    QSet<QString> classes;
    for (const QString &entry : listing.out.split(QLatin1Char('\n'))) {
        if (entry.startsWith(QStringLiteral("java")) && entry.endsWith(QStringLiteral(".class")) && !entry.contains(QLatin1Char('$')))
            classes << entry.chopped(6).replace(QLatin1Char('/'), QLatin1Char('.'));
    }
    return classes;
}

// What doja-api/README.md says a handset's CLDC holds: the classes of each
// package it lists by name, how many java.lang has, what CLDC 1.1 adds.
struct Cldc {
    QMap<QString, QSet<QString>> listed;  // package to classes
    QMap<QString, int> counts;            // package to how many classes
    QSet<QString> added11;
};

Cldc readmeCldc()
{
    QFile file(listingDir() + QStringLiteral("/README.md"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll()).simplified().remove(QLatin1Char('*'));
    const qsizetype from = text.indexOf(QStringLiteral("CLDC 1.0 (DoJa-1.0 to 3.5), by package:"));
    const qsizetype to = text.indexOf(QStringLiteral("CLDC 1.1 (DoJa-4.0 and later) adds"));
    if (from < 0 || to < from)
        return {};
    Cldc cldc;
    static const QRegularExpression package(QStringLiteral("`([\\w.]+)` (\\d+)(?: classes)?(?: \\(([^)]*)\\))?"));
    for (const QRegularExpressionMatch &m : package.globalMatch(text.mid(from, to - from))) {
        cldc.counts.insert(m.captured(1), m.captured(2).toInt());
        for (const QString &name : m.captured(3).split(QLatin1Char(','), Qt::SkipEmptyParts))
            cldc.listed[m.captured(1)] << m.captured(1) + QLatin1Char('.') + name.trimmed();
    }
    static const QRegularExpression added(QStringLiteral("`(java\\.[\\w.]+)`"));
    for (const QRegularExpressionMatch &m : added.globalMatch(text.mid(to, text.indexOf(QStringLiteral("(plus"), to) - to)))
        cldc.added11 << m.captured(1);
    return cldc;
}

QStringList sorted(QSet<QString> set)
{
    QStringList list(set.begin(), set.end());
    list.sort();
    return list;
}

// A source whose draw() holds the statement, against every package a handset has.
QByteArray sourceWith(const QString &statement)
{
    return QStringLiteral("import com.nttdocomo.ui.*;\nimport com.nttdocomo.util.*;\nimport com.nttdocomo.lang.*;\n"
                          "import java.io.*;\nimport java.util.*;\n"
                          "public class P extends IApplication {\n"
                          "    public void start() { }\n"
                          "    void draw(Graphics g) {\n"
                          "        %1\n"
                          "    }\n"
                          "}\n")
        .arg(statement)
        .toUtf8();
}

} // namespace

class ApiListingTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        if (!QFileInfo::exists(profileArchive(QStringLiteral("DoJa-1.0"))))
            QSKIP("the stand-in DoJa SDK is not assembled in this build tree");
        // The tools' compile service of these tests alone, ended with them.
        QVERIFY(m_runtime.isValid());
        QVERIFY(QFile::setPermissions(m_runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        qputenv("QUENVEL_STANDIN_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    }

    void cleanupTestCase()
    {
        if (m_runtime.isValid())
            run(standinDir() + QStringLiteral("/jdk/lib/standin-client"), {QStringLiteral("--stop")});
    }

    // Every class, member, modifier and constant of the DoJa-1.0 listing, and
    // nothing else, save the rows named here.
    void doja10ArchiveIsTheListing()
    {
        const QString javap = QStandardPaths::findExecutable(QStringLiteral("javap"));
        if (javap.isEmpty())
            QSKIP("no javap on PATH");
        if (!QDir(listingDir()).exists())
            QSKIP("no listings beside the source tree (../shared/doja-api)");
        Api listed = listedApi();
        const Api archived = archivedApi(javap, profileArchive(QStringLiteral("DoJa-1.0")));

        // The English DoJa-1.0 set is the overseas edition; the Japanese
        // reference dates util.Phone to DoJa-2.0 (its members to 2.1).
        const QStringList laterInJapan = {
            QStringLiteral("Phone: public class Phone"),
            QStringLiteral("Phone: public static final String TERMINAL_ID"),
            QStringLiteral("Phone: public static final String USER_ID"),
            QStringLiteral("Phone: public static final String getProperty(String)"),
        };
        for (const QString &row : laterInJapan)
            QVERIFY2(listed.lines.remove(row), qPrintable(row + QStringLiteral(": no longer in the listing")));
        listed.constants.remove(QStringLiteral("Phone.TERMINAL_ID"));
        listed.constants.remove(QStringLiteral("Phone.USER_ID"));

        QCOMPARE(sorted(listed.lines - archived.lines), QStringList());  // missing from the archive
        QCOMPARE(sorted(archived.lines - listed.lines), QStringList());  // beyond the listing
        QCOMPARE(archived.constants, listed.constants);
    }

    // Each profile's archive holds exactly the CLDC of its handsets, as the
    // README lists it, and none of the later edition's classes that shadow DoJa's.
    void archiveHoldsItsProfilesCldc_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<bool>("cldc11");
        QTest::newRow("DoJa-1.0 is CLDC 1.0") << "DoJa-1.0" << false;
        QTest::newRow("DoJa-2.1 is CLDC 1.0") << "DoJa-2.1" << false;
        QTest::newRow("DoJa-3.5, the last on CLDC 1.0") << "DoJa-3.5" << false;
        QTest::newRow("DoJa-4.0, the first on CLDC 1.1") << "DoJa-4.0" << true;
        QTest::newRow("DoJa-4.1 is CLDC 1.1") << "DoJa-4.1" << true;
        QTest::newRow("DoJa-5.1 is CLDC 1.1") << "DoJa-5.1" << true;
        QTest::newRow("the default archive is DoJa-5.1's") << "default" << true;
    }

    void archiveHoldsItsProfilesCldc()
    {
        QFETCH(QString, profile);
        QFETCH(bool, cldc11);
        const Cldc cldc = readmeCldc();
        if (cldc.counts.isEmpty())
            QSKIP("no CLDC listing in ../shared/doja-api/README.md");
        QCOMPARE(cldc.added11.size(), 5);

        const QSet<QString> archived = cldcClasses(profileArchive(profile));
        QSet<QString> expected = cldc11 ? cldc.added11 : QSet<QString>();
        QMap<QString, int> counted;  // java.lang is listed by count alone
        QStringList unlisted;
        for (const QString &name : archived) {
            const QString package = name.section(QLatin1Char('.'), 0, -2);
            if (cldc.listed.contains(package) || cldc.added11.contains(name))
                continue;
            if (cldc.counts.contains(package))
                ++counted[package];
            else
                unlisted << name;
        }
        for (auto it = cldc.counts.cbegin(); it != cldc.counts.cend(); ++it) {
            if (cldc.listed.contains(it.key()))
                expected += cldc.listed.value(it.key());
            else
                QCOMPARE(QStringLiteral("%1: %2").arg(it.key()).arg(counted.value(it.key())), QStringLiteral("%1: %2").arg(it.key()).arg(it.value()));
        }
        QCOMPARE(unlisted, QStringList());
        const QSet<QString> listedHere = archived - QSet<QString>(unlisted.begin(), unlisted.end());
        QSet<QString> countedHere;
        for (const QString &name : listedHere) {
            if (!cldc.listed.contains(name.section(QLatin1Char('.'), 0, -2)) && !cldc.added11.contains(name))
                countedHere << name;
        }
        QCOMPARE(sorted(expected - listedHere), QStringList());                // missing
        QCOMPARE(sorted(listedHere - countedHere - expected), QStringList());  // beyond the README
    }

    // Classes of a later CLDC edition that no handset has, in no archive.
    void noArchiveHoldsTheLaterEdition_data()
    {
        QTest::addColumn<QString>("archive");  // under doja/lib
        QTest::newRow("DoJa-1.0 stub") << "profiles/DoJa-1.0/dojaapi.jar";
        QTest::newRow("DoJa-4.0 stub") << "profiles/DoJa-4.0/dojaapi.jar";
        QTest::newRow("default stub") << "dojaapi.jar";
        QTest::newRow("emulator") << "dojatest.zip";
    }

    void noArchiveHoldsTheLaterEdition()
    {
        QFETCH(QString, archive);
        static const QRegularExpression later(QStringLiteral("^(java\\.util\\.Timer(Task)?|java\\.lang\\.(IllegalState|UnsupportedOperation)Exception"
                                                             "|java\\.security\\..*|.*Permission)$"));
        QStringList found;
        for (const QString &name : cldcClasses(standinDir() + QStringLiteral("/doja/lib/") + archive)) {
            if (later.match(name).hasMatch())
                found << name;
        }
        QCOMPARE(found, QStringList());
    }

    // Compiled as the program's Build compiles, with the profile's archive as
    // the boot class path.
    void profileDecidesWhatCompiles_data()
    {
        QTest::addColumn<QString>("profile");    // a folder of lib/profiles, or "default": lib/dojaapi.jar
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("complaint");  // in the compiler's report; empty: it compiles
        QTest::newRow("DoJa-1.0 refuses drawArc") << "DoJa-1.0" << "g.drawArc(0, 0, 8, 8, 0, 90);" << "drawArc";
        QTest::newRow("DoJa-3.0 has drawArc") << "DoJa-3.0" << "g.drawArc(0, 0, 8, 8, 0, 90);" << "";
        QTest::newRow("DoJa-1.0 refuses float") << "DoJa-1.0" << "int i = (int) (1.5f * 2);" << "1.5f cannot be used";
        QTest::newRow("DoJa-3.5 refuses double") << "DoJa-3.5" << "double d = 2;" << "double cannot be used";
        QTest::newRow("CLDC 1.0 has no Float") << "DoJa-1.0" << "Float f = null;" << "Float cannot be resolved";
        QTest::newRow("DoJa-4.0 accepts float") << "DoJa-4.0" << "float f = (float) Math.sqrt(2.0); f += Float.MAX_VALUE;" << "";
        QTest::newRow("the default is DoJa-5.1") << "default" << "double d = Math.PI; Image.createImage(4, 4).setAlpha(1);" << "";
        QTest::newRow("DoJa-1.0 lacks HTMLLayout") << "DoJa-1.0" << "new Panel().setLayoutManager(new HTMLLayout());"
                                                   << "HTMLLayout cannot be resolved";
        QTest::newRow("DoJa-2.0 has HTMLLayout") << "DoJa-2.0" << "new Panel().setLayoutManager(new HTMLLayout());" << "";
        QTest::newRow("DoJa-1.0 lacks util.Phone") << "DoJa-1.0" << "Phone.call(\"0\");" << "Phone cannot be resolved";
        QTest::newRow("DoJa-2.0 lacks Phone.getProperty") << "DoJa-2.0" << "Phone.getProperty(Phone.USER_ID);" << "USER_ID";
        QTest::newRow("DoJa-3.5 lacks getMinTimeInterval") << "DoJa-3.5" << "new Timer().getMinTimeInterval();"
                                                           << "getMinTimeInterval";
        QTest::newRow("DoJa-4.0 timers keep time") << "DoJa-4.0" << "TimeKeeper t = new com.nttdocomo.util.Timer(); t.getMinTimeInterval();" << "";
        QTest::newRow("key constants are switch labels") << "DoJa-2.0" << "switch (0) { case Display.KEY_IAPP: case Display.KEY_SOFT1: break; }" << "";
        QTest::newRow("Component's size may be overridden")
            << "DoJa-1.0" << "Component c = new Component() { public int getWidth() { return 1; } };" << "";
        QTest::newRow("ShortTimer is made by getShortTimer") << "DoJa-1.0" << "Object t = new ShortTimer();" << "not visible";
        QTest::newRow("Timer is DoJa's beside java.util.*") << "default" << "Timer t = new Timer(); t.getMinTimeInterval();" << "";
        QTest::newRow("IllegalStateException is DoJa's beside java.lang")
            << "DoJa-4.0" << "IllegalStateException e = new IllegalStateException(\"x\"); UnsupportedOperationException u = null;" << "";
        QTest::newRow("CLDC 1.0 has DatagramConnection") << "DoJa-1.0" << "javax.microedition.io.DatagramConnection c = null;" << "";
        QTest::newRow("no handset has java.security") << "DoJa-5.1" << "java.security.Permission p = null;" << "java.security";
        QTest::newRow("XString came with DoJa-3.0") << "DoJa-2.1" << "XString x = null;" << "XString cannot be resolved";
    }

    void profileDecidesWhatCompiles()
    {
        QFETCH(QString, profile);
        QFETCH(QString, statement);
        QFETCH(QString, complaint);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("src")) && QDir(dir.path()).mkpath(QStringLiteral("classes")));
        QFile source(dir.filePath(QStringLiteral("src/P.java")));
        QVERIFY(source.open(QIODevice::WriteOnly) && source.write(sourceWith(statement)) > 0);
        source.close();

        const QString paths = QStringLiteral(".:") + profileArchive(profile);
        const Run compiled = run(standinDir() + QStringLiteral("/jdk/bin/javac"),
                                 {QStringLiteral("-d"), QStringLiteral("classes"), QStringLiteral("-classpath"), paths + QStringLiteral(":./src/"),
                                  QStringLiteral("-bootclasspath"), paths, QStringLiteral("src/P.java")},
                                 dir.path());
        if (complaint.isEmpty()) {
            QVERIFY2(compiled.exitCode == 0 && compiled.out.isEmpty(), qPrintable(compiled.out));
        } else {
            QCOMPARE(compiled.exitCode, 1);
            // javac's form, on the statement's line.
            QVERIFY2(compiled.out.startsWith(QStringLiteral("src/P.java:9: ")) && compiled.out.contains(complaint),
                     qPrintable(compiled.out));
        }
    }

private:
    QTemporaryDir m_runtime;
};

QTEST_GUILESS_MAIN(ApiListingTest)
#include "tst_api_listing.moc"
