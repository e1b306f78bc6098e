#include "app/captions.h"
#include "dialog_driver.h"
#include "project/new_project_dialog.h"
#include "project/project_chooser.h"
#include "project_sandbox.h"
#include "file_bytes.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
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

    void chooserListsSortedWithoutRegardToCase();
    void chooserAnswers_data();
    void chooserAnswers();
    void chooserListsAfreshEachTime();
    void newProjectDialogAnswers_data();
    void newProjectDialogAnswers();
};

void ProjectDialogsTest::chooserListsSortedWithoutRegardToCase()
{
    QTemporaryDir dir;
    const QString apps = dir.path() + QStringLiteral("/apps");
    for (const char *folder : {"Hello", "game", "Zeta", ".hidden"})
        QVERIFY(QDir().mkpath(apps + QLatin1Char('/') + QLatin1String(folder)));
    QVERIFY(touch(apps + QStringLiteral("/readme.txt")));

    QCOMPARE(listProjectEntries(apps + QStringLiteral("/*")),
             (QStringList{QStringLiteral("game"), QStringLiteral("Hello"), QStringLiteral("readme.txt"),
                          QStringLiteral("Zeta")}));
    QCOMPARE(listProjectEntries(dir.path() + QStringLiteral("/missing/*")), QStringList());

    frmProject chooser;
    QCOMPARE(chooser.windowTitle(), *captionText(1071, uiLanguageFor(QLocale::system())));
    QCOMPARE(chooser.findChild<QLabel *>(QStringLiteral("Label1"))->text(),
             QStringLiteral("開くプロジェクトを選んでください"));
    QCOMPARE(chooser.findChild<QPushButton *>(QStringLiteral("OpenButton"))->text(), QStringLiteral("開く"));
    QCOMPARE(chooser.findChild<QPushButton *>(QStringLiteral("CloseButton"))->text(), QStringLiteral("キャンセル"));
}

void ProjectDialogsTest::chooserAnswers_data()
{
    QTest::addColumn<QString>("select");  // empty: nothing selected
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("answer");

    QTest::newRow("open the selected") << QStringLiteral("Game") << QStringLiteral("open") << QStringLiteral("Game");
    QTest::newRow("open with none selected") << QString() << QStringLiteral("open") << QString();
    QTest::newRow("double-click opens") << QStringLiteral("Hello") << QStringLiteral("double") << QStringLiteral("Hello");
    QTest::newRow("cancel ignores the selection") << QStringLiteral("Game") << QStringLiteral("cancel") << QString();
    QTest::newRow("close box") << QStringLiteral("Game") << QStringLiteral("close") << QString();
    QTest::newRow("escape") << QStringLiteral("Game") << QStringLiteral("escape") << QString();
}

void ProjectDialogsTest::chooserAnswers()
{
    QFETCH(QString, select);
    QFETCH(QString, how);
    QFETCH(QString, answer);
    QTemporaryDir dir;
    for (const char *folder : {"Hello", "Game"})
        QVERIFY(QDir().mkpath(dir.path() + QLatin1Char('/') + QLatin1String(folder)));

    frmProject chooser;
    auto *list = chooser.findChild<QListWidget *>(QStringLiteral("ProjectList"));
    whenShown(&chooser, [&] {
        QListWidgetItem *item = select.isEmpty() ? nullptr : list->findItems(select, Qt::MatchExactly).value(0);
        if (item)
            list->setCurrentItem(item);
        if (how == QLatin1String("open"))
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

    QCOMPARE(chooser.LoadProject(dir.path() + QStringLiteral("/*")), answer);
    QVERIFY(!chooser.isVisible());
}

void ProjectDialogsTest::chooserListsAfreshEachTime()
{
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.path() + QStringLiteral("/Hello")));
    frmProject chooser;
    auto *list = chooser.findChild<QListWidget *>(QStringLiteral("ProjectList"));
    QStringList seen;
    const auto look = [&] {
        for (int i = 0; i < list->count(); ++i)
            seen << list->item(i)->text();
        chooser.close();
    };
    whenShown(&chooser, look);
    QCOMPARE(chooser.LoadProject(dir.path() + QStringLiteral("/*")), QString());
    QVERIFY(QDir().mkpath(dir.path() + QStringLiteral("/Added")));
    whenShown(&chooser, look);
    QCOMPARE(chooser.LoadProject(dir.path() + QStringLiteral("/*")), QString());
    QCOMPARE(seen, (QStringList{QStringLiteral("Hello"), QStringLiteral("Added"), QStringLiteral("Hello")}));
}

void ProjectDialogsTest::newProjectDialogAnswers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("messages");

    QTest::newRow("ok creates") << QStringLiteral("Game") << QStringLiteral("ok") << QStringLiteral("Game") << 1;
    QTest::newRow("ok on an existing one") << QStringLiteral("Hello") << QStringLiteral("ok") << QString() << 1;
    QTest::newRow("ok on a refused name") << QStringLiteral("../x") << QStringLiteral("ok") << QString() << 1;
    QTest::newRow("cancel") << QStringLiteral("Game") << QStringLiteral("cancel") << QString() << 0;
    QTest::newRow("close box") << QStringLiteral("Game") << QStringLiteral("close") << QString() << 0;
    QTest::newRow("escape") << QStringLiteral("Game") << QStringLiteral("escape") << QString() << 0;
}

void ProjectDialogsTest::newProjectDialogAnswers()
{
    QFETCH(QString, name);
    QFETCH(QString, how);
    QFETCH(QString, answer);
    QFETCH(int, messages);
    ProjectSandbox box;
    QVERIFY(box.isValid());
    DialogDriver boxes;  // answers the message boxes only: no name is set for it

    dlgNewProject dialog(box.store);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("新規プロジェクト"));
    auto *text = dialog.findChild<QLineEdit *>(QStringLiteral("Text1"));
    whenShown(&dialog, [&] {
        QCOMPARE(text->text(), QString());
        text->setText(name);
        if (how == QLatin1String("ok"))
            QMetaObject::invokeMethod(dialog.findChild<QPushButton *>(QStringLiteral("OKButton")),
                                      &QPushButton::click, Qt::QueuedConnection);
        else if (how == QLatin1String("cancel"))
            dialog.findChild<QPushButton *>(QStringLiteral("CancelButton"))->click();
        else if (how == QLatin1String("close"))
            dialog.close();
        else
            QTest::keyClick(text, Qt::Key_Escape);
    });

    QCOMPARE(dialog.LoadProject(), answer);
    QCOMPARE(boxes.messages.size(), messages);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(QFileInfo::exists(box.sdkDir() + QStringLiteral("/apps/Game")), !answer.isEmpty());
}

QTEST_MAIN(ProjectDialogsTest)
#include "tst_project_dialogs.moc"
