#include "dialog_driver.h"
#include "project/new_project_dialog.h"
#include "project/project_chooser.h"
#include "project/project_settings_dialog.h"
#include "project_sandbox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Acts on a window as soon as it shows, from the event loop its own wait runs.
void whenShown(QWidget *window, std::function<void()> act)
{
    auto *timer = new QTimer(window);
    QObject::connect(timer, &QTimer::timeout, window, [window, timer, act] {
        if (!window->isVisible())
            return;
        timer->deleteLater();
        timer->stop();
        act();
    });
    timer->start(10);
}

// Settings with the given keys set, "Key=value" each; a key of no field of
// its own, or one marked "+Key", becomes an extra line.
ProjectSettings settingsWith(const QStringList &values)
{
    ProjectSettings settings;
    for (const QString &value : values) {
        const QString key = value.section(QLatin1Char('='), 0, 0);
        const QString text = value.section(QLatin1Char('='), 1);
        if (kProjectSettingKeys.contains(key))
            setProjectSettingValue(settings, key, text);
        else
            settings.extraLines.append({key.startsWith(u'+') ? key.mid(1) : key, text});
    }
    return settings;
}

// What a user does to one field: "name=text" types text, "name" toggles.
void editField(QDialog &dialog, const QString &edit)
{
    const QString name = edit.section(QLatin1Char('='), 0, 0);
    const QString text = edit.section(QLatin1Char('='), 1);
    QWidget *field = dialog.findChild<QWidget *>(name);
    QVERIFY2(field, qPrintable(name));
    if (auto *line = qobject_cast<QLineEdit *>(field))
        line->setText(text);
    else if (auto *box = qobject_cast<QCheckBox *>(field))
        QTest::keyClick(box, Qt::Key_Space);
    else if (auto *combo = qobject_cast<QComboBox *>(field))
        combo->setCurrentIndex(combo->findText(text));
    else
        qobject_cast<QPlainTextEdit *>(field)->setPlainText(text);
}

} // namespace

class ProjectDialogsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void chooserListsAfreshSortedWithoutRegardToCase();
    void chooserAnswers_data();
    void chooserAnswers();
    void newProjectDialogAnswers_data();
    void newProjectDialogAnswers();
    void settingsDialogAnswers_data();
    void settingsDialogAnswers();
};

void ProjectDialogsTest::chooserListsAfreshSortedWithoutRegardToCase()
{
    QTemporaryDir dir;
    for (const char *folder : {"Hello", "game", "Zeta", ".hidden"})
        QVERIFY(QDir().mkpath(dir.filePath(QLatin1String(folder))));
    QVERIFY(touch(dir.filePath(QStringLiteral("readme.txt"))));
    frmProject chooser;
    auto *list = chooser.findChild<QListWidget *>(QStringLiteral("ProjectList"));
    QStringList seen;
    const auto look = [&] {
        for (int i = 0; i < list->count(); ++i)
            seen << list->item(i)->text();
        chooser.close();
    };
    for (const char *added : {"", "Added"}) {
        QVERIFY(QDir().mkpath(dir.filePath(QLatin1String(added))));
        whenShown(&chooser, look);
        QCOMPARE(chooser.LoadProject(dir.path() + QStringLiteral("/*")), QString());
    }
    QCOMPARE(seen, (QStringList{"game", "Hello", "readme.txt", "Zeta", "Added", "game", "Hello", "readme.txt", "Zeta"}));
    QCOMPARE(listProjectEntries(dir.path() + QStringLiteral("/missing/*")), QStringList());
}

void ProjectDialogsTest::chooserAnswers_data()
{
    QTest::addColumn<QString>("preselected");  // the open project
    QTest::addColumn<QString>("select");       // picked by the user; empty: left as it is
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("answer");

    QTest::newRow("Enter opens the open project") << "Game" << "" << "enter" << "Game";
    QTest::newRow("Enter opens the one picked") << "Game" << "Hello" << "enter" << "Hello";
    QTest::newRow("Enter with nothing selected") << "" << "" << "enter" << "";
    QTest::newRow("Enter when the open project is gone") << "Gone" << "" << "enter" << "";
    QTest::newRow("Open, the selected") << "" << "Game" << "open" << "Game";
    QTest::newRow("double-click opens") << "Game" << "Hello" << "double" << "Hello";
    QTest::newRow("Cancel ignores the selection") << "Game" << "" << "cancel" << "";
    QTest::newRow("close box") << "Game" << "" << "close" << "";
    QTest::newRow("Esc") << "Game" << "" << "escape" << "";
}

void ProjectDialogsTest::chooserAnswers()
{
    QFETCH(QString, preselected);
    QFETCH(QString, select);
    QFETCH(QString, how);
    QTemporaryDir dir;
    for (const char *folder : {"Hello", "Game"})
        QVERIFY(QDir().mkpath(dir.path() + QLatin1Char('/') + QLatin1String(folder)));

    frmProject chooser;
    auto *list = chooser.findChild<QListWidget *>(QStringLiteral("ProjectList"));
    whenShown(&chooser, [&] {
        QListWidgetItem *item = select.isEmpty() ? nullptr : list->findItems(select, Qt::MatchExactly).value(0);
        if (item)
            list->setCurrentItem(item);
        if (how == QLatin1String("enter"))
            QTest::keyClick(list, Qt::Key_Return);
        else if (how == QLatin1String("open"))
            chooser.findChild<QPushButton *>(QStringLiteral("OpenButton"))->click();
        else if (how == QLatin1String("cancel"))
            chooser.findChild<QPushButton *>(QStringLiteral("CloseButton"))->click();
        else if (how == QLatin1String("close"))
            chooser.close();
        else if (how == QLatin1String("escape"))
            QTest::keyClick(list, Qt::Key_Escape);
        else
            Q_EMIT list->itemActivated(item);
    });

    QTEST(chooser.LoadProject(dir.path() + QStringLiteral("/*"), preselected), "answer");
    QVERIFY(!chooser.isVisible());
}

void ProjectDialogsTest::newProjectDialogAnswers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("messages");
    QTest::newRow("ok creates") << "Game" << "ok" << "Game" << 1;
    // The dialog stays open after the message, the name selected for
    // another; the test then cancels it.
    QTest::newRow("ok on an existing one asks for another") << "Hello" << "ok" << "" << 1;
    QTest::newRow("ok on a name that is no class asks for another") << "my-app" << "ok" << "" << 1;
    QTest::newRow("ok on an empty name asks for one") << "" << "ok" << "" << 1;
    QTest::newRow("cancel") << "Game" << "cancel" << "" << 0;
    QTest::newRow("close box") << "Game" << "close" << "" << 0;
    QTest::newRow("escape") << "Game" << "escape" << "" << 0;
}

void ProjectDialogsTest::newProjectDialogAnswers()
{
    QFETCH(QString, name);
    QFETCH(QString, how);
    QFETCH(QString, answer);
    ProjectSandbox box;
    QVERIFY(box.isValid());
    DialogDriver boxes;  // answers the message boxes only: it is given no name
    dlgNewProject dialog(box.store);
    auto *text = dialog.findChild<QLineEdit *>(QStringLiteral("Text1"));
    auto *cancel = dialog.findChild<QPushButton *>(QStringLiteral("CancelButton"));
    whenShown(&dialog, [&] {
        QCOMPARE(text->text(), QString());
        text->setText(name);
        if (how == QLatin1String("ok"))
            boxes.press(dialog.findChild<QPushButton *>(QStringLiteral("OKButton")));
        else if (how == QLatin1String("cancel"))
            cancel->click();
        else if (how == QLatin1String("close"))
            dialog.close();
        else
            QTest::keyClick(text, Qt::Key_Escape);
    });
    const bool refused = how == QLatin1String("ok") && answer.isEmpty();
    bool selected = false;
    QTimer stillOpen;
    connect(&stillOpen, &QTimer::timeout, &dialog, [&] {
        // One tick after the box: the dialog has had its turn.
        if (!boxes.messages.isEmpty() && !QApplication::activeModalWidget() && dialog.isVisible()) {
            if (selected || name.isEmpty())
                cancel->click();
            selected = text->selectedText() == name;
        }
    });
    if (refused)
        stillOpen.start(10);

    QCOMPARE(dialog.LoadProject(), answer);
    QTEST(int(boxes.messages.size()), "messages");
    if (name.isEmpty())
        QCOMPARE(boxes.messages.first(), QStringLiteral("プロジェクト名を入力してください。"));
    QVERIFY(!dialog.isVisible());
    QVERIFY(!refused || selected || name.isEmpty());
    QCOMPARE(QFileInfo::exists(box.sdkDir() + QStringLiteral("/apps/Game")), !answer.isEmpty());
}

void ProjectDialogsTest::settingsDialogAnswers_data()
{
    QTest::addColumn<QStringList>("given");     // Key=value
    QTest::addColumn<QStringList>("edits");     // see editField
    QTest::addColumn<QString>("key");           // "Key@field": a key pressed there
    QTest::addColumn<QStringList>("expected");  // Key=value, as settings() gives it
    QTest::addColumn<QString>("problem");       // a part of the text shown; empty: none
    QTest::addColumn<int>("result");            // -1: still open

    const QStringList full = {"AppName=ゲーム", "AppParam=a b", "SPsize=512,512", "UseNetwork=http",
                              "UseBrowser=launch", "TargetDevice=N503iS", "DrawArea=240x240", "AppTrace=On",
                              "TargetProfile=DoJa-2.0", "UseTelephone=call", "GetUtn=terminalid",
                              // No field shows it; the dialog keeps it as it was.
                              "AppClass=jp.example.Game"};
    const int open = -1, accepted = QDialog::Accepted, rejected = QDialog::Rejected;
    QTest::newRow("empty defaults round-trip") << QStringList() << QStringList() << "" << QStringList() << "" << open;
    QTest::newRow("every field round-trips") << full << QStringList() << "" << full << "" << open;
    QTest::newRow("checked is http, launch and On") << QStringList() << QStringList{"chkUseNetwork", "chkUseBrowser", "chkAppTrace"}
                                                   << "" << QStringList{"UseNetwork=http", "UseBrowser=launch", "AppTrace=On"} << "" << open;
    QTest::newRow("unchecked is empty") << QStringList{"UseNetwork=http", "AppTrace=On"}
                                        << QStringList{"chkUseNetwork", "chkAppTrace"} << "" << QStringList() << ""
                                        << open;
    QTest::newRow("profile picked") << QStringList() << QStringList{"cboTargetProfile=DoJa-5.1"} << ""
                                    << QStringList{"TargetProfile=DoJa-5.1"} << "" << open;
    QTest::newRow("なし clears the profile") << QStringList{"TargetProfile=DoJa-2.0"}
                                              << QStringList{"cboTargetProfile=なし"} << "" << QStringList() << ""
                                              << open;
    QTest::newRow("bad SPsize disables OK") << QStringList() << QStringList{"txtSPsize=1k"} << ""
                                            << QStringList{"SPsize=1k"} << "SPsize" << open;
    QTest::newRow("extra line round-trips") << QStringList() << QStringList{"txtExtraLines=UseTelephone = call"} << ""
                                            << QStringList{"UseTelephone=call"} << "" << open;
    QTest::newRow("extra line with a key of its own field refused")
        << QStringList() << QStringList{"txtExtraLines=AppName = x"} << "" << QStringList{"+AppName=x"} << "AppName"
        << open;
    QTest::newRow("extra line with a key no descriptor has refused")
        << QStringList() << QStringList{"txtExtraLines=memo = x"} << "" << QStringList{"+memo=x"} << "JAMファイルのキーではありません"
        << open;
    QTest::newRow("AppName beyond Shift_JIS refused") << QStringList() << QStringList{"txtAppName=😀"} << ""
                                                      << QStringList{"AppName=😀"} << "Shift_JIS" << open;
    // Loaded values the widgets cannot show stay as they were, refused.
    QTest::newRow("loaded bad check value shown at once") << QStringList{"UseNetwork=yes"} << QStringList() << ""
                                                          << QStringList{"UseNetwork=yes"} << "UseNetwork" << open;
    QTest::newRow("loaded unknown profile shown at once") << QStringList{"TargetProfile=DoJa-9.9"} << QStringList()
                                                          << "" << QStringList{"TargetProfile=DoJa-9.9"} << "DoJa-9.9"
                                                          << open;
    QTest::newRow("Enter accepts") << full << QStringList() << "Return@txtAppName" << full << "" << accepted;
    QTest::newRow("Enter with a problem stays") << QStringList() << QStringList{"txtSPsize=1k"} << "Return@txtSPsize"
                                                << QStringList{"SPsize=1k"} << "SPsize" << open;
    QTest::newRow("Enter in the extra lines is a new line")
        << full << QStringList() << "Return@txtExtraLines" << full << "" << open;
    QTest::newRow("Ctrl+Enter in the extra lines accepts")
        << full << QStringList() << "Ctrl+Return@txtExtraLines" << full << "" << accepted;
    QTest::newRow("Esc rejects") << full << QStringList{"txtAppName=x"} << "Escape@txtAppName"
                                 << full + QStringList{"AppName=x"} << "" << rejected;
}

void ProjectDialogsTest::settingsDialogAnswers()
{
    QFETCH(QStringList, given);
    QFETCH(QStringList, edits);
    QFETCH(QString, key);
    QFETCH(QStringList, expected);
    QFETCH(QString, problem);
    ProjectSettingsDialog dialog(QStringLiteral("Game"), settingsWith(given));
    dialog.setResult(-1);
    dialog.show();
    QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("txtAppName"))->placeholderText(), QStringLiteral("Game"));
    for (const QString &edit : edits)
        editField(dialog, edit);
    if (!key.isEmpty()) {
        const QKeySequence sequence(key.section(QLatin1Char('@'), 0, 0));
        QTest::keyClick(dialog.findChild<QWidget *>(key.section(QLatin1Char('@'), 1)), sequence[0].key(),
                        sequence[0].keyboardModifiers());
    }

    QCOMPARE(dialog.settings(), settingsWith(expected));
    const QString shown = dialog.findChild<QLabel *>(QStringLiteral("lblProblem"))->text();
    QVERIFY2(problem.isEmpty() ? shown.isEmpty() : shown.contains(problem), qPrintable(shown));
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("cmdOK"))->isEnabled(), problem.isEmpty());
    QTEST(dialog.result(), "result");
    QCOMPARE(dialog.isVisible(), dialog.result() == -1);
}

QTEST_MAIN(ProjectDialogsTest)
#include "tst_project_dialogs.moc"
