#include "ui/edit_commands.h"
#include "ui/source_editor.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMainWindow>
#include <QMimeData>
#include <QSplitter>
#include <QTest>

namespace {

const QString kPicture = QStringLiteral("<picture>");

void setClipboard(const QString &text)
{
    auto *data = new QMimeData;
    if (text == kPicture) {
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        data->setImageData(image);
    } else {
        data->setText(text);
    }
    QGuiApplication::clipboard()->setMimeData(data);
}

QString clipboard()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data->hasImage() ? kPicture : data->hasText() ? data->text() : QStringLiteral("<nothing>");
}

// The text without its markers, the selection between "[" and "]".
void setMarkedText(QPlainTextEdit *box, QString text)
{
    const int start = int(text.indexOf(QLatin1Char('[')));
    text.remove(start, 1);
    const int end = int(text.indexOf(QLatin1Char(']')));
    text.remove(end, 1);
    box->setPlainText(text);
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}

} // namespace

// The main window's Edit menu in miniature: the editor, a log pane and three
// window actions with the menu's shortcuts.
class EditCommandsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void operation_data();
    void operation();
    void editorAloneIgnoresTheMenuKeys();
    void logPaneKeysActOnTheLog_data();
    void logPaneKeysActOnTheLog();

private:
    QMainWindow m_window;
    SourceEditor *m_editor = nullptr;
    LogPane *m_log = nullptr;
    QMap<QString, int> m_triggers;
};

void EditCommandsTest::initTestCase()
{
    auto *panes = new QSplitter(Qt::Vertical, &m_window);
    m_editor = new SourceEditor(panes);
    m_log = new LogPane(panes);
    m_window.setCentralWidget(panes);
    const struct {
        const char *op;
        Qt::Key key;
        void (*command)(QPlainTextEdit *);
    } commands[] = {{"cut", Qt::Key_X, CutToClipboard}, {"copy", Qt::Key_C, CopyToClipboard},
                    {"paste", Qt::Key_V, PasteFromClipboard}};
    for (const auto &[op, key, command] : commands) {
        auto *action = new QAction(QLatin1String(op), &m_window);
        action->setShortcut(QKeySequence(Qt::CTRL | key));
        connect(action, &QAction::triggered, this, [this, op, command] {
            ++m_triggers[QLatin1String(op)];
            command(m_editor);
        });
        m_window.addAction(action);
    }
    m_window.show();
}

void EditCommandsTest::init()
{
    m_triggers.clear();
    m_window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_window));
    m_editor->setFocus();
}

void EditCommandsTest::operation_data()
{
    QTest::addColumn<QString>("route");  // the Edit menu, its keys or the editor's own context menu
    QTest::addColumn<QString>("text");   // the selection between [ and ]
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("before");  // on the clipboard
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("clipboard");
    const char *const cases[][6] = {
        {"copy without selection empties the clipboard, picture and all", "a[]b", "copy", "<picture>", "ab", ""},
        {"cut without selection empties the clipboard", "a[]b", "cut", "old", "ab", ""},
        {"copy over lines gives CR LF", "a[b\ncd\ne]f", "copy", "old", "ab\ncd\nef", "b\r\ncd\r\ne"},
        {"cut over lines gives CR LF", "a[b\ncd\ne]f", "cut", "old", "af", "b\r\ncd\r\ne"},
        {"cut Japanese", "こんにちは[、世界]", "cut", "", "こんにちは", "、世界"},
        {"paste of a picture only deletes the selection", "a[bcd]ef", "paste", "<picture>", "aef", "<picture>"},
        {"paste CR LF makes line breaks", "a[]b", "paste", "x\r\ny\r\n", "ax\ny\nb", "x\r\ny\r\n"},
        {"paste Japanese replaces the selection", "int [a];", "paste", "変数", "int 変数;", "変数"},
    };
    for (const char *route : {"menu", "keys", "context menu"}) {
        for (const auto &c : cases) {
            // The context menu offers Cut and Copy only over a selection.
            if (route[0] == 'c' && QByteArray(c[1]).contains("[]") && qstrcmp(c[2], "paste") != 0)
                continue;
            QTest::addRow("%s, %s", c[0], route) << QString::fromLatin1(route) << QString::fromUtf8(c[1])
                << QString::fromUtf8(c[2]) << QString::fromUtf8(c[3]) << QString::fromUtf8(c[4]) << QString::fromUtf8(c[5]);
        }
    }
}

void EditCommandsTest::operation()
{
    QFETCH(QString, route);
    QFETCH(QString, text);
    QFETCH(QString, op);
    QFETCH(QString, before);
    setMarkedText(m_editor, text);
    setClipboard(before);
    const int which = op == QLatin1String("cut") ? 0 : op == QLatin1String("copy") ? 1 : 2;

    if (route == QLatin1String("menu")) {
        (which == 0 ? CutToClipboard : which == 1 ? CopyToClipboard : PasteFromClipboard)(m_editor);
    } else if (route == QLatin1String("keys")) {
        QTest::keyClick(m_editor, which == 0 ? Qt::Key_X : which == 1 ? Qt::Key_C : Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_triggers, (QMap<QString, int>{{op, 1}}));
    } else {
        which == 0 ? m_editor->cut() : which == 1 ? m_editor->copy() : m_editor->paste();
    }

    QTEST(m_editor->toPlainText(), "after");
    QTEST(clipboard(), "clipboard");
}

// Without the window's menu the keys do nothing at all.
void EditCommandsTest::editorAloneIgnoresTheMenuKeys()
{
    SourceEditor alone;
    alone.show();
    alone.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&alone));
    for (const Qt::Key key : {Qt::Key_X, Qt::Key_C, Qt::Key_V}) {
        setMarkedText(&alone, QStringLiteral("[ab]c"));
        setClipboard(QStringLiteral("old"));
        QTest::keyClick(&alone, key, Qt::ControlModifier);
        QCOMPARE(alone.toPlainText(), QStringLiteral("abc"));
        QCOMPARE(clipboard(), QStringLiteral("old"));
    }
}

void EditCommandsTest::logPaneKeysActOnTheLog_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("log");  // the selection between [ and ]
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("selected");
    QTest::newRow("Ctrl+C copies the log's selection, not the editor's") << Qt::Key_C << "[log]\nline2" << "log" << "log";
    QTest::newRow("Ctrl+C copies log lines with CR LF") << Qt::Key_C << "[log\nline2]" << "log\r\nline2" << "log\u2029line2";
    QTest::newRow("Ctrl+A selects the whole log") << Qt::Key_A << "[]log\nline2" << "old" << "log\u2029line2";
}

void EditCommandsTest::logPaneKeysActOnTheLog()
{
    QFETCH(Qt::Key, key);
    QFETCH(QString, log);
    setMarkedText(m_editor, QStringLiteral("[editor] text"));
    setMarkedText(m_log, log);
    setClipboard(QStringLiteral("old"));
    m_log->setFocus();

    QTest::keyClick(m_log, key, Qt::ControlModifier);

    QVERIFY(m_triggers.isEmpty());
    QTEST(clipboard(), "clipboard");
    QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
    QTEST(m_log->textCursor().selectedText(), "selected");
    QCOMPARE(m_editor->textCursor().selectedText(), QStringLiteral("editor"));
}

QTEST_MAIN(EditCommandsTest)
#include "tst_edit_commands.moc"
