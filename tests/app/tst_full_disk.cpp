// Every writer on a file system with no room left: the write fails, says
// which file and why, and the old file keeps its bytes.
#include "project_sandbox.h"

#include "build/html_writer.h"
#include "build/jam_writer.h"
#include "project/new_project.h"
#include "ui/source_text.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kNoRoom = QStringLiteral("No space left on device");

// Writes until the file system takes no byte more.
bool fill(const QString &folder)
{
    QFile filler(folder + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    while (filler.write("x", 1) == 1) {
    }
    return true;
}

// Every file below the folder with its bytes, the filler left out.
QMap<QString, QByteArray> filesBelow(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.endsWith(QStringLiteral("/filler")))
            files.insert(path, readBytes(path));
    }
    return files;
}

} // namespace

class FullDiskTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
#ifdef Q_OS_WIN
        QSKIP("a full disk needs a small file system mounted, which a Windows program under Wine cannot do");
#endif
        QVERIFY(m_mountPoint.isValid());
        QProcess mount;
        mount.start(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                              QStringLiteral("size=1m"), QStringLiteral("tmpfs"), m_mountPoint.path()});
        if (!mount.waitForFinished(10000) || mount.exitStatus() != QProcess::NormalExit || mount.exitCode() != 0)
            QSKIP("no small file system can be mounted here (mounting needs root)");
        m_mounted = true;
        // The sandboxes' temporary folders land on it.
        qputenv("TMPDIR", QFile::encodeName(m_mountPoint.path()));
    }

    void cleanupTestCase()
    {
        qunsetenv("TMPDIR");
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_mountPoint.path()});
    }

    void writerKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("reason");
        for (const char *writer : {"source", "descriptor", "page", "new project"})
            QTest::newRow(writer) << writer << kNoRoom;
        // Its lock file is the first thing the settings write makes.
        QTest::newRow("settings") << "settings" << QStringLiteral("ロックファイルを作れませんでした。ディスクがいっぱいか");
    }

    void writerKeepsTheOldFile()
    {
        QFETCH(QString, writer);
        ProjectSandbox box(uploadOptions());
        QVERIFY(box.isValid());
        for (const char *product : {"bin/Hello.jam", "bin/Hello.htm", "bin/Hello.jar"})
            QVERIFY(box.writeFile(QString::fromLatin1(product), "old\r\n"));
        box.bench.source = QStringLiteral("// edited\r\n");
        box.bench.modified = true;
        AppSettings changed = box.settings();
        changed.FtpId = QStringLiteral("changed");
        const OpenedProject project = box.project();
        const QMap<QString, QByteArray> before = filesBelow(box.root());
        QVERIFY(fill(box.root()));

        QString failure;
        if (writer == QLatin1String("source")) {
            QCOMPARE(SaveSource(box.bench, box.bench, project.paths.sourceFile()), SaveOutcome::Failed);
            failure = box.bench.log;
        } else if (writer == QLatin1String("descriptor")) {
            failure = WriteJamFile(project, box.clock.now()).error();
        } else if (writer == QLatin1String("page")) {
            failure = WriteHtmlFile(project, box.settings().WebUrl).error();
        } else if (writer == QLatin1String("settings")) {
            failure = box.store.SaveSettings(changed).error();
        } else {
            const Result<ProjectPaths> made = makeNewProject(box.settings().DOJA_PATH, box.store.style(), QStringLiteral("Game"));
            QVERIFY(!made);
            failure = made.error();
            // Nothing half-made stays behind.
            QVERIFY(!QFileInfo::exists(box.sdkDir() + QStringLiteral("/apps/Game")));
        }
        QFETCH(QString, reason);
        QVERIFY2(failure.contains(reason), qPrintable(failure));
        QVERIFY2(failure.contains(box.root()), qPrintable(failure));
        QCOMPARE(filesBelow(box.root()), before);
        QVERIFY(QFile::remove(box.root() + QStringLiteral("/filler")));
    }

private:
    QTemporaryDir m_mountPoint;
    bool m_mounted = false;
};

QTEST_GUILESS_MAIN(FullDiskTest)
#include "tst_full_disk.moc"
