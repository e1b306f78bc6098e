#include "app/fs_helpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class FsHelpersTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void joinPath_data();
    void joinPath();
    void folderExists();
};

void FsHelpersTest::joinPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("separatorIn");
    QTest::addColumn<int>("flags");  // 1 upper, 2 lower, 4 quote
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("separatorOut");

    const QString bs = QStringLiteral("\\");
    const QString sl = QStringLiteral("/");
    QTest::newRow("backslash path") << R"(C:\sdk\apps\Hello)" << "*.*" << QString() << 0
                                    << R"(C:\sdk\apps\Hello\*.*)" << bs;
    QTest::newRow("trailing backslash") << R"(C:\sdk\apps\Hello\bin\)" << "*.*" << QString() << 0
                                        << R"(C:\sdk\apps\Hello\bin\*.*)" << bs;
    QTest::newRow("mixed turns to backslash") << R"(C:/sdk\apps)" << "x" << QString() << 0 << R"(C:\sdk\apps\x)" << bs;
    QTest::newRow("slash path") << "/home/u/sdk" << "*.*" << QString() << 0 << "/home/u/sdk/*.*" << sl;
    QTest::newRow("no separator drops the path") << "Hello" << "*.*" << QString() << 0 << "*.*" << QString();
    QTest::newRow("leading separator alone does not count") << R"(\x)" << "y" << QString() << 0 << "y" << QString();
    QTest::newRow("given slash wins") << R"(C:\a\b)" << "c" << sl << 0 << "C:/a/b/c" << sl;
    QTest::newRow("upper") << R"(c:\a)" << "b" << QString() << 1 << R"(C:\A\B)" << bs;
    QTest::newRow("lower before nothing") << R"(C:\A)" << "B" << QString() << 2 << R"(c:\a\b)" << bs;
    QTest::newRow("quoted when blank") << R"(C:\Program Files)" << "x" << QString() << 4
                                       << R"("C:\Program Files\x")" << bs;
}

void FsHelpersTest::joinPath()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QFETCH(QString, separatorIn);
    QFETCH(int, flags);
    QFETCH(QString, result);
    QFETCH(QString, separatorOut);
    QString separator = separatorIn;
    QCOMPARE(JoinPath(path, name, separator, flags & 1, flags & 2, flags & 4), result);
    QCOMPARE(separator, separatorOut);
}

void FsHelpersTest::folderExists()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("empty")));
    QFile file(dir.filePath(QStringLiteral("file.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    QVERIFY(FolderExists(dir.filePath(QStringLiteral("empty"))));
    QVERIFY(FolderExists(dir.path() + QStringLiteral("/empty/")));
    QVERIFY(!FolderExists(dir.filePath(QStringLiteral("file.txt"))));
    QVERIFY(!FolderExists(dir.filePath(QStringLiteral("missing"))));
    QVERIFY(!FolderExists(QString()));
}

QTEST_GUILESS_MAIN(FsHelpersTest)
#include "tst_fs_helpers.moc"
