#include "app/project_files.h"
#include "file_bytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class ProjectFilesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The tree the build compiles and the file list shows, in one order.
    void tree_data()
    {
        QTest::addColumn<QStringList>("files");  // made below the folder, each holding its own path
        QTest::addColumn<bool>("sourcesOnly");
        QTest::addColumn<QStringList>("listed");  // path and size
        QTest::newRow("a folder's own files before its subfolders, each by name")
            << QStringList{"b/B.java", "Z.java", "a/c/C.java", "A.java", "a/A2.java"} << true
            << QStringList{"A.java 6", "Z.java 6", "a/A2.java 9", "a/c/C.java 10", "b/B.java 8"};
        QTest::newRow("only sources below src: no notes, no classes")
            << QStringList{"Game.java", "notes.txt", "Game.class", "jp/Util.java~"} << true << QStringList{"Game.java 9"};
        QTest::newRow("every resource with its size")
            << QStringList{"ship.gif", "se/hit.mld"} << false << QStringList{"ship.gif 8", "se/hit.mld 10"};
        QTest::newRow("an empty folder lists nothing") << QStringList() << true << QStringList();
    }

    void tree()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, sourcesOnly);
        QTemporaryDir dir;
        for (const QString &file : files) {
            QVERIFY(QDir(dir.path()).mkpath(QFileInfo(file).path()));
            QVERIFY(writeBytes(dir.filePath(file), file.toLatin1()));
        }
        QStringList listed;
        for (const ProjectFile &file : projectTree(dir.path(), sourcesOnly))
            listed << file.path + QLatin1Char(' ') + QString::number(file.size);
        QTEST(listed, "listed");
        QCOMPARE(projectTree(dir.filePath(QStringLiteral("missing")), sourcesOnly), QList<ProjectFile>());
    }
};

QTEST_GUILESS_MAIN(ProjectFilesTest)
#include "tst_project_files.moc"
