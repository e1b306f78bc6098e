#include "ui/edit_commands.h"
#include "ui/source_editor.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMainWindow>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTest>

namespace {

enum class Route { Function, EditorOwn, Keyboard };

struct EditCase {
    const char *name;
    QString text;
    int selectionStart;
    int selectionEnd;
    QString op;  // cut, copy, paste
    bool pictureOnClipboard;
    QString clipboardBefore;
    QString expectedText;
    QString expectedClipboard;
    bool pictureAfter;
};

void putOnClipboard(bool picture, const QString &text)
{
    auto *data = new QMimeData;
    if (picture) {
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        data->setImageData(image);
    } else {
        data->setText(text);
    }
    QGuiApplication::clipboard()->setMimeData(data);
}

void select(QPlainTextEdit *box, int start, int end)
{
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}

Qt::Key keyOf(const QString &op)
{
    return op == QLatin1String("cut") ? Qt::Key_X : op == QLatin1String("copy") ? Qt::Key_C : Qt::Key_V;
}

} // namespace

Q_DECLARE_METATYPE(Route)

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
    void logPaneKeysActOnTheLog_data();
    void logPaneKeysActOnTheLog();
    void editorAloneIgnoresTheMenuKeys_data();
    void editorAloneIgnoresTheMenuKeys();

private:
    QAction *addAction(const QString &op, QKeySequence keys, void (*command)(QPlainTextEdit *));

    QMainWindow m_window;
    SourceEditor *m_editor = nullptr;
    LogPane *m_log = nullptr;
    QMap<QString, int> m_triggers;
};

QAction *EditCommandsTest::addAction(const QString &op, QKeySequence keys,
                                     void (*command)(QPlainTextEdit *))
{
    auto *action = new QAction(op, &m_window);
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, [this, op, command] {
        ++m_triggers[op];
        command(m_editor);
    });
    m_window.addAction(action);
    return action;
}

void EditCommandsTest::initTestCase()
{
    auto *panes = new QSplitter(Qt::Vertical, &m_window);
    m_editor = new SourceEditor(panes);
    m_log = new LogPane(panes);
    m_window.setCentralWidget(panes);
    addAction(QStringLiteral("cut"), QKeySequence(Qt::CTRL | Qt::Key_X), CutToClipboard);
    addAction(QStringLiteral("copy"), QKeySequence(Qt::CTRL | Qt::Key_C), CopyToClipboard);
    addAction(QStringLiteral("paste"), QKeySequence(Qt::CTRL | Qt::Key_V), PasteFromClipboard);
    m_window.show();
    m_window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_window));
}

void EditCommandsTest::init()
{
    m_triggers.clear();
    m_editor->setFocus();
}

void EditCommandsTest::operation_data()
{
    QTest::addColumn<Route>("route");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionEnd");
    QTest::addColumn<QString>("op");
    QTest::addColumn<bool>("pictureOnClipboard");
    QTest::addColumn<QString>("clipboardBefore");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QString>("expectedClipboard");
    QTest::addColumn<bool>("pictureAfter");

    const QString lines = QStringLiteral("ab\ncd\nef");
    const QList<EditCase> cases = {
        {"copy without selection leaves an empty text", lines, 1, 1, "copy", false, "old", lines, "", false},
        {"cut without selection leaves an empty text", lines, 1, 1, "cut", false, "old", lines, "", false},
        {"copy without selection drops a picture", lines, 4, 4, "copy", true, "", lines, "", false},
        {"copy over lines gives CR LF", lines, 1, 7, "copy", false, "old", lines, "b\r\ncd\r\ne", false},
        {"cut over lines gives CR LF", lines, 1, 7, "cut", false, "old", "af", "b\r\ncd\r\ne", false},
        {"copy Japanese", QStringLiteral("こんにちは、世界"), 0, 5, "copy", false, "", QStringLiteral("こんにちは、世界"), QStringLiteral("こんにちは"), false},
        {"cut Japanese", QStringLiteral("こんにちは、世界"), 5, 8, "cut", false, "", QStringLiteral("こんにちは"), QStringLiteral("、世界"), false},
        {"paste picture only deletes the selection", QStringLiteral("abcdef"), 1, 4, "paste", true, "", QStringLiteral("aef"), "", true},
        {"paste CR LF makes line breaks", QStringLiteral("ab"), 1, 1, "paste", false, "x\r\ny\r\n", QStringLiteral("ax\ny\nb"), "x\r\ny\r\n", false},
        {"paste LF makes line breaks", QStringLiteral("ab"), 1, 1, "paste", false, "x\ny", QStringLiteral("ax\nyb"), "x\ny", false},
        {"paste Japanese replaces the selection", QStringLiteral("int a;"), 4, 5, "paste", false, QStringLiteral("変数"), QStringLiteral("int 変数;"), QStringLiteral("変数"), false},
        {"paste at the caret", QStringLiteral("abc"), 3, 3, "paste", false, "d", QStringLiteral("abcd"), "d", false},
    };
    const QList<QPair<Route, const char *>> routes = {
        {Route::Function, "function"}, {Route::EditorOwn, "context menu"}, {Route::Keyboard, "keyboard"}};

    for (const auto &[route, routeName] : routes) {
        for (const EditCase &c : cases) {
            // The context menu offers Cut and Copy only over a selection.
            if (route == Route::EditorOwn && c.op != QLatin1String("paste")
                && c.selectionStart == c.selectionEnd)
                continue;
            QTest::addRow("%s, %s", c.name, routeName)
                << route << c.text << c.selectionStart << c.selectionEnd << c.op
                << c.pictureOnClipboard << c.clipboardBefore << c.expectedText
                << c.expectedClipboard << c.pictureAfter;
        }
    }
}

void EditCommandsTest::operation()
{
    QFETCH(Route, route);
    QFETCH(QString, text);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionEnd);
    QFETCH(QString, op);
    QFETCH(bool, pictureOnClipboard);
    QFETCH(QString, clipboardBefore);
    QFETCH(QString, expectedText);
    QFETCH(QString, expectedClipboard);
    QFETCH(bool, pictureAfter);

    m_editor->setPlainText(text);
    select(m_editor, selectionStart, selectionEnd);
    putOnClipboard(pictureOnClipboard, clipboardBefore);

    switch (route) {
    case Route::Function:
        if (op == QLatin1String("cut"))
            CutToClipboard(m_editor);
        else if (op == QLatin1String("copy"))
            CopyToClipboard(m_editor);
        else
            PasteFromClipboard(m_editor);
        break;
    case Route::EditorOwn:
        if (op == QLatin1String("cut"))
            m_editor->cut();
        else if (op == QLatin1String("copy"))
            m_editor->copy();
        else
            m_editor->paste();
        break;
    case Route::Keyboard:
        QTest::keyClick(m_editor, keyOf(op), Qt::ControlModifier);
        QCOMPARE(m_triggers.value(op), 1);
        break;
    }

    QCOMPARE(m_editor->toPlainText(), expectedText);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QCOMPARE(data->hasImage(), pictureAfter);
    if (!pictureAfter) {
        QVERIFY(data->hasText());
        QCOMPARE(data->text(), expectedClipboard);
    }
}

void EditCommandsTest::logPaneKeysActOnTheLog_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<int>("selectionEnd");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("selected");
    QTest::newRow("Ctrl+C copies the log's selection, not the editor's") << Qt::Key_C << 3 << "log" << "log";
    QTest::newRow("Ctrl+C copies log lines with CR LF") << Qt::Key_C << 9 << "log\r\nline2" << "log\u2029line2";
    QTest::newRow("Ctrl+A selects the whole log") << Qt::Key_A << 0 << "old" << "log\u2029line2";
}

void EditCommandsTest::logPaneKeysActOnTheLog()
{
    QFETCH(Qt::Key, key);
    QFETCH(int, selectionEnd);
    QFETCH(QString, clipboard);
    QFETCH(QString, selected);
    m_editor->setPlainText(QStringLiteral("editor text"));
    select(m_editor, 0, 6);
    m_log->setPlainText(QStringLiteral("log\nline2"));
    select(m_log, 0, selectionEnd);
    putOnClipboard(false, QStringLiteral("old"));
    m_log->setFocus();

    QTest::keyClick(m_log, key, Qt::ControlModifier);

    QCOMPARE(m_triggers.value(QStringLiteral("copy")), 0);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
    QCOMPARE(m_log->textCursor().selectedText(), selected);
    QCOMPARE(m_editor->textCursor().selectedText(), QStringLiteral("editor"));
}

void EditCommandsTest::editorAloneIgnoresTheMenuKeys_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Ctrl+X") << Qt::Key_X;
    QTest::newRow("Ctrl+C") << Qt::Key_C;
    QTest::newRow("Ctrl+V") << Qt::Key_V;
}

void EditCommandsTest::editorAloneIgnoresTheMenuKeys()
{
    QFETCH(Qt::Key, key);
    SourceEditor editor;
    editor.setPlainText(QStringLiteral("abc"));
    select(&editor, 0, 2);
    putOnClipboard(false, QStringLiteral("old"));
    editor.show();
    editor.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&editor));

    QTest::keyClick(&editor, key, Qt::ControlModifier);

    QCOMPARE(editor.toPlainText(), QStringLiteral("abc"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("old"));
}

QTEST_MAIN(EditCommandsTest)
#include "tst_edit_commands.moc"
