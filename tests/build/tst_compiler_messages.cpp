#include "build/compiler_messages.h"

#include <QTest>

namespace {

// One message as a row reads: file:line:column [output lines] message.
QStringList described(const QList<CompilerMessage> &messages)
{
    QStringList lines;
    for (const CompilerMessage &m : messages)
        lines << QStringLiteral("%1:%2:%3 [%4-%5] %6")
                     .arg(m.file).arg(m.line).arg(m.column).arg(m.firstOutputLine).arg(m.lastOutputLine).arg(m.message);
    return lines;
}

// Captured from the compilers on a source whose line 5 holds Japanese text
// before the error, line 6 tabs.
const QString kJapaneseLine = QStringLiteral("        String title = \"こんにちは、世界\"; int w = width;");
const QString kTabLine = QStringLiteral("\tint\th = height;");

} // namespace

class CompilerMessagesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsEachCompilersForm_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QStringList>("messages");

        QTest::newRow("JDK 1.3 form, as the build log holds it")
            << "/opt/jdk1.3/bin/javac -d tmpclasses src/Hello.java\r\n"
               "Hello.java:5: ';' expected\r\n"
               "        int a = 1\r\n"
               "                 ^\r\n"
               "1 error\r\n"
               "コンパイルは失敗しました。\r\n"
            << QStringList{"Hello.java:5:18 [1-3] ';' expected"};
        QTest::newRow("Windows path with a drive letter")
            << "D:\\sdk\\apps\\Hello\\src\\Hello.java:7: Syntax error, insert \";\" to complete Statement\r\n"
               "        Display.setCurrent(new Panel())\r\n"
               "                                      ^\r\n"
               "1 error\r\n"
            << QStringList{"D:\\sdk\\apps\\Hello\\src\\Hello.java:7:39 [0-2] Syntax error, insert \";\" to complete Statement"};
        QTest::newRow("modern javac: details under the caret")
            << "src/Hello.java:5: error: cannot find symbol\n" + kJapaneseLine + "\n"
                   "                                           ^\n"
                   "  symbol:   variable width\n"
                   "  location: class Hello\n"
                   "src/Hello.java:6: error: cannot find symbol\n" + kTabLine + "\n"
                   "\t   \t    ^\n"
                   "  symbol:   variable height\n"
                   "  location: class Hello\n"
                   "2 errors\n"
            << QStringList{"src/Hello.java:5:44 [0-4] cannot find symbol\nsymbol:   variable width\nlocation: class Hello",
                           "src/Hello.java:6:10 [5-9] cannot find symbol\nsymbol:   variable height\nlocation: class Hello"};
        QTest::newRow("modern javac in Japanese")
            << "src/Hello.java:6: エラー: シンボルを見つけられません\n" + kTabLine + "\n"
                   "\t   \t    ^\n"
                   "  シンボル:   変数 height\n"
                   "  場所: クラス Hello\n"
                   "エラー1個\n"
            << QStringList{"src/Hello.java:6:10 [0-4] シンボルを見つけられません\nシンボル:   変数 height\n場所: クラス Hello"};
        QTest::newRow("ecj's compact form quotes the line without its indent")
            << "/tmp/cap2/src/Hello.java:6: error: height cannot be resolved to a variable\n"
               "\tint\th = height;\n"
               "\t   \t    ^^^^^^\n"
               "/tmp/cap2/src/Hello.java:9: error: Syntax error on token \"}\"\n"
               "2 problems (2 errors)\n"
            << QStringList{"/tmp/cap2/src/Hello.java:6:10 [0-2] height cannot be resolved to a variable",
                           "/tmp/cap2/src/Hello.java:9:0 [3-3] Syntax error on token \"}\""};
        QTest::newRow("warnings and notes are no errors")
            << "Dep.java:1: warning: [deprecation] Date(int,int,int) in Date has been deprecated\n"
               "public class Dep { void f() { new java.util.Date(1,2,3); } }\n"
               "                              ^\n"
               "1 warning\n"
               "Note: Dep.java uses or overrides a deprecated API.\n"
               "ノート:Dep.javaは推奨されないAPIを使用またはオーバーライドしています。\n"
            << QStringList();
    }

    void readsEachCompilersForm()
    {
        QFETCH(QString, output);
        QTEST(described(parseCompilerOutput(output)), "messages");
    }

    void columnInTheEditorsLine_data()
    {
        QTest::addColumn<QString>("quoted");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("expected");
        QTest::newRow("the line as quoted") << kTabLine << 10 << kTabLine << 10;
        QTest::newRow("quoted without its indent") << "\tint a = 1" << 10 << "        int a = 1" << 17;
        QTest::newRow("line changed since: kept inside it") << "\tint a = 1" << 10 << "x" << 2;
    }

    void columnInTheEditorsLine()
    {
        QFETCH(QString, quoted);
        QFETCH(int, column);
        QFETCH(QString, line);
        CompilerMessage message;
        message.sourceLine = quoted;
        message.column = column;
        QTEST(columnInLine(message, line), "expected");
    }
};

QTEST_GUILESS_MAIN(CompilerMessagesTest)
#include "tst_compiler_messages.moc"
