#include "deploy/options_dialog.h"

#include "app/profile_file.h"
#include "dialog_driver.h"
#include "upload_sandbox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString kGlobal = QStringLiteral("Global");

QLineEdit *box(QWidget *dialog, const char *name)
{
    return dialog->findChild<QLineEdit *>(QLatin1String(name));
}

QPushButton *button(QWidget *dialog, const char *name)
{
    return dialog->findChild<QPushButton *>(QLatin1String(name));
}

// The dialog as the main window opens it: no owner, deleted on close.
QPointer<frmOptions> open(SettingsStore &store)
{
    QPointer<frmOptions> dialog = new frmOptions(store);
    dialog->show();
    return dialog;
}

QString stored(const UploadSandbox &sandbox, const char *key)
{
    return ProfileDocument::load(sandbox.store.settingsFilePath())
        .value(kGlobal, QLatin1String(key))
        .value_or(QStringLiteral("<missing>"));
}

} // namespace

class tst_OptionsDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void fillsFromTheFileNotFromMemory();
    void okStoresTheBoxesAsTyped_data();
    void okStoresTheBoxesAsTyped();
    void okWhenTheFileCannotBeWritten();
    void closingOtherwiseStoresNothing_data();
    void closingOtherwiseStoresNothing();
    void openedProjectGovernsThroughTheDialog();
    void keyboardOrder();
    void boxesShareOneLeftEdge();
};

void tst_OptionsDialog::fillsFromTheFileNotFromMemory()
{
    UploadSandbox sandbox({{QStringLiteral("FtpPath"), QString::fromUtf8("公開 i")}});
    QVERIFY(sandbox.isValid());
    // Changed in memory but never saved: the window load reads the file again.
    sandbox.store.settings().FtpUrl = QStringLiteral("unsaved.example.org");

    QPointer<frmOptions> dialog = open(sandbox.store);
    QCOMPARE(box(dialog, "txtFtp")->text(), QStringLiteral("ftp.example.net"));
    QCOMPARE(box(dialog, "txtFtpPath")->text(), QString::fromUtf8("公開 i"));
    QCOMPARE(box(dialog, "txtFtpId")->text(), QStringLiteral("alice"));
    QCOMPARE(box(dialog, "txtFtpPassword")->text(), QStringLiteral("secret"));
    QCOMPARE(box(dialog, "txtFtpPassword")->echoMode(), QLineEdit::Normal);
    QCOMPARE(box(dialog, "txtWeb")->text(), QStringLiteral("web.example.net/i"));
    QCOMPARE(sandbox.store.settings().FtpUrl, QStringLiteral("ftp.example.net"));
    delete dialog;
}

void tst_OptionsDialog::okStoresTheBoxesAsTyped_data()
{
    QTest::addColumn<QString>("ftp");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("web");
    QTest::addColumn<bool>("enter");  // Enter in the last box instead of a click on OK

    QTest::newRow("unchanged") << "ftp.example.net" << "public_html/i" << "alice" << "secret" << "web.example.net/i" << false;
    // Blanks at either end are the profile file's to trim; inner ones stay.
    QTest::newRow("all edited, inner blanks kept, scheme kept")
        << "ftp2.example.net" << "up/my load" << "bob" << "p w" << "http://web2.example.net/x/" << false;
    QTest::newRow("emptied boxes") << "ftp.example.net" << "" << "" << "" << "" << false;
    QTest::newRow("Japanese folder") << "ftp.example.net" << QString::fromUtf8("アプリ/公開") << "alice" << "secret"
                                     << "web.example.net/i" << true;
}

void tst_OptionsDialog::okStoresTheBoxesAsTyped()
{
    QFETCH(QString, ftp);
    QFETCH(QString, path);
    QFETCH(QString, id);
    QFETCH(QString, password);
    QFETCH(QString, web);
    QFETCH(bool, enter);

    UploadSandbox sandbox;
    QVERIFY(sandbox.isValid());
    QPointer<frmOptions> dialog = open(sandbox.store);
    box(dialog, "txtFtp")->setText(ftp);
    box(dialog, "txtFtpPath")->setText(path);
    box(dialog, "txtFtpId")->setText(id);
    box(dialog, "txtFtpPassword")->setText(password);
    box(dialog, "txtWeb")->setText(web);
    if (enter)
        QTest::keyClick(box(dialog, "txtWeb"), Qt::Key_Return);
    else
        QTest::mouseClick(button(dialog, "cmdOK"), Qt::LeftButton);

    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(stored(sandbox, "FtpUrl"), ftp);
    QCOMPARE(stored(sandbox, "FtpPath"), path);
    QCOMPARE(stored(sandbox, "FtpId"), id);
    QCOMPARE(stored(sandbox, "FtpPassword"), password);
    QCOMPARE(stored(sandbox, "WebUrl"), web);
    const AppSettings &s = sandbox.store.settings();
    QCOMPARE(s.FtpUrl, ftp);
    QCOMPARE(s.FtpPath, path);
    QCOMPARE(s.WebUrl, web);
    QCOMPARE(s.SourcePath, sandbox.sdkDir() + QStringLiteral("/apps/Hello/src/Hello.java"));
    QCOMPARE(s.minor, 4);
}

void tst_OptionsDialog::okWhenTheFileCannotBeWritten()
{
    UploadSandbox sandbox;
    QVERIFY(sandbox.isValid());
    QPointer<frmOptions> dialog = open(sandbox.store);
    const AppSettings memoryBefore = sandbox.store.settings();
    const QString file = sandbox.store.settingsFilePath();
    // A folder where the file was: nothing can be written there.
    QVERIFY(QFile::remove(file) && QDir().mkdir(file));
    box(dialog, "txtFtp")->setText(QStringLiteral("edited.example.net"));
    DialogDriver boxes;

    QTest::mouseClick(button(dialog, "cmdOK"), Qt::LeftButton);

    QCOMPARE(boxes.messages.size(), 1);
    QVERIFY2(boxes.messages.first().contains(file), qPrintable(boxes.messages.first()));
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(box(dialog, "txtFtp")->text(), QStringLiteral("edited.example.net"));
    QVERIFY(sandbox.store.settings() == memoryBefore);
    delete dialog;
}

void tst_OptionsDialog::closingOtherwiseStoresNothing_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("Cancel") << 0;
    QTest::newRow("Esc") << 1;
    QTest::newRow("close box") << 2;
}

void tst_OptionsDialog::closingOtherwiseStoresNothing()
{
    QFETCH(int, way);
    UploadSandbox sandbox;
    QVERIFY(sandbox.isValid());
    const QByteArray fileBefore = UploadSandbox::readBytes(sandbox.store.settingsFilePath());
    QPointer<frmOptions> dialog = open(sandbox.store);
    const AppSettings memoryBefore = sandbox.store.settings();
    for (const char *name : {"txtFtp", "txtFtpPath", "txtFtpId", "txtFtpPassword", "txtWeb"})
        box(dialog, name)->setText(QStringLiteral("edited"));

    if (way == 0)
        QTest::mouseClick(button(dialog, "cmdCancel"), Qt::LeftButton);
    else if (way == 1)
        QTest::keyClick(box(dialog, "txtFtp"), Qt::Key_Escape);
    else
        dialog->close();

    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(UploadSandbox::readBytes(sandbox.store.settingsFilePath()), fileBefore);
    QVERIFY(sandbox.store.settings() == memoryBefore);
}

void tst_OptionsDialog::openedProjectGovernsThroughTheDialog()
{
    // The file names Hello: another copy wrote it, or it took no write.
    UploadSandbox sandbox;
    QVERIFY(sandbox.isValid());
    sandbox.store.adoptProject(QStringLiteral("Game"));
    const QString gameSource = sandbox.sdkDir() + QStringLiteral("/apps/Game/src/Game.java");
    for (const bool ok : {false, true}) {
        QPointer<frmOptions> dialog = open(sandbox.store);
        QTest::mouseClick(button(dialog, ok ? "cmdOK" : "cmdCancel"), Qt::LeftButton);
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(sandbox.store.settings().lastProject, QStringLiteral("Game"));
        QCOMPARE(sandbox.store.settings().SourcePath, gameSource);
    }
}

void tst_OptionsDialog::keyboardOrder()
{
    UploadSandbox sandbox;
    QVERIFY(sandbox.isValid());
    QPointer<frmOptions> dialog = open(sandbox.store);
    QStringList order;
    QWidget *start = box(dialog, "txtFtp");
    QWidget *widget = start;
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != start && order.size() < 20);
    QCOMPARE(order, (QStringList{"txtFtp", "txtFtpPath", "txtFtpId", "txtFtpPassword", "txtWeb", "cmdOK", "cmdCancel"}));
    delete dialog;
}

void tst_OptionsDialog::boxesShareOneLeftEdge()
{
    UploadSandbox sandbox;
    QVERIFY(sandbox.isValid());
    QPointer<frmOptions> dialog = open(sandbox.store);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const int left = box(dialog, "txtFtp")->geometry().left();
    for (const char *name : {"txtFtpPath", "txtFtpId", "txtFtpPassword", "txtWeb"})
        QCOMPARE(box(dialog, name)->geometry().left(), left);
    QVERIFY(box(dialog, "txtFtpId")->width() < box(dialog, "txtFtp")->width());
    QVERIFY(box(dialog, "txtFtpPassword")->width() < box(dialog, "txtWeb")->width());
    // Every label stands left of its box, on the box's row.
    for (const auto &[label, boxName] : {std::pair{"Label4", "txtFtp"}, {"lblProject", "txtFtpPath"},
                                        {"Label5", "txtFtpId"}, {"Label6", "txtFtpPassword"}, {"Label3", "txtWeb"}}) {
        const QRect l = dialog->findChild<QWidget *>(QLatin1String(label))->geometry();
        const QRect b = box(dialog, boxName)->geometry();
        QVERIFY(l.right() < b.left());
        QVERIFY(l.center().y() >= b.top() && l.center().y() <= b.bottom());
    }
    delete dialog;
}

QTEST_MAIN(tst_OptionsDialog)
#include "tst_options_dialog.moc"
