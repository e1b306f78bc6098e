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

    // Which source a compiler's error names, so its mark goes there.
    void sourceNamed_data()
    {
        QTest::addColumn<QString>("printed");
        QTest::addColumn<QString>("named");
        const QStringList sources{"Game.java", "a/Ship.java", "b/Ship.java", "jp/Board.java"};
        QTest::newRow("the path the compiler was given") << "src/jp/Board.java" << "jp/Board.java";
        QTest::newRow("Windows separators, and case") << "SRC\\JP\\board.java" << "jp/Board.java";
        QTest::newRow("a full path") << "/home/u/apps/Q/src/Game.java" << "Game.java";
        QTest::newRow("two files of one name told apart by their package") << "src/b/Ship.java" << "b/Ship.java";
        QTest::newRow("a bare name of two files names neither") << "Ship.java" << "";
        QTest::newRow("a bare name of one file") << "Board.java" << "jp/Board.java";
        QTest::newRow("a file outside the project") << "src/Other.java" << "";
        QTest::newRow("a folder that only ends like src: by the name alone") << "mysrc/Game.java" << "Game.java";
    }

    void sourceNamed()
    {
        QFETCH(QString, printed);
        QTEST(sourceNamedBy(printed, {"Game.java", "a/Ship.java", "b/Ship.java", "jp/Board.java"}), "named");
    }

    void findInFiles_data()
    {
        QTest::addColumn<QString>("needle");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QStringList>("hits");  // file:line:text
        QTest::newRow("every line holding it, file by file, numbered from 1, any line end")
            << "move" << true << QStringList{"A.java:2:  move();", "A.java:3:move(1)", "b/B.java:1:void move() {}",
                                       "C.java:0:C.java cannot be read"};
        QTest::newRow("case ignored") << "MOVE" << false
            << QStringList{"A.java:2:  move();", "A.java:3:move(1)", "b/B.java:1:void move() {}", "C.java:0:C.java cannot be read"};
        QTest::newRow("case kept; a file that cannot be read says so on line 0") << "MOVE" << true << QStringList{"C.java:0:C.java cannot be read"};
        QTest::newRow("nothing looked for, nothing found") << "" << true << QStringList();
    }

    void findInFiles()
    {
        QFETCH(QString, needle);
        QFETCH(bool, matchCase);
        const QList<SearchedText> texts{{"A.java", "class A {\r\n  move();\nmove(1)\r", QString()},
                                        {"b/B.java", "void move() {}", QString()},
                                        {"C.java", QString(), "C.java cannot be read"}};
        QStringList hits;
        for (const FileHit &hit : findInTexts(texts, needle, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive))
            hits << QStringLiteral("%1:%2:%3").arg(hit.file).arg(hit.line).arg(hit.text);
        QTEST(hits, "hits");
    }
};

QTEST_GUILESS_MAIN(ProjectFilesTest)
#include "tst_project_files.moc"
