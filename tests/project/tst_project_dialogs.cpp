#include "dialog_driver.h"
#include "project/new_project_dialog.h"
#include "project/project_chooser.h"
#include "project_sandbox.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
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
    QTest::newRow("ok on an existing one ends the dialog") << "Hello" << "ok" << "" << 1;
    // The dialog stays open after the message; the test then cancels it.
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
    QTimer stillOpen;
    connect(&stillOpen, &QTimer::timeout, &dialog, [&] {
        if (!boxes.messages.isEmpty() && !QApplication::activeModalWidget() && dialog.isVisible())
            cancel->click();
    });
    if (name.isEmpty())
        stillOpen.start(10);

    QCOMPARE(dialog.LoadProject(), answer);
    QTEST(int(boxes.messages.size()), "messages");
    if (name.isEmpty())
        QCOMPARE(boxes.messages.first(), QStringLiteral("プロジェクト名を入力してください。"));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(QFileInfo::exists(box.sdkDir() + QStringLiteral("/apps/Game")), !answer.isEmpty());
}

QTEST_MAIN(ProjectDialogsTest)
#include "tst_project_dialogs.moc"
