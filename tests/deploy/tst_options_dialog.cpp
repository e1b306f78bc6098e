#include "deploy/options_dialog.h"

#include "app/profile_file.h"
#include "dialog_driver.h"
#include "project_sandbox.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

namespace {

const char *const kBoxes[] = {"txtFtp", "txtFtpPath", "txtFtpId", "txtFtpPassword", "txtWeb"};
const char *const kKeys[] = {"FtpUrl", "FtpPath", "FtpId", "FtpPassword", "WebUrl"};

QLineEdit *box(QWidget *dialog, const char *name) { return dialog->findChild<QLineEdit *>(QLatin1String(name)); }

void click(QWidget *dialog, const char *name)
{
    QTest::mouseClick(dialog->findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton);
}

// The dialog as the main window opens it: no owner, deleted on close.
QPointer<frmOptions> open(SettingsStore &store)
{
    QPointer<frmOptions> dialog = new frmOptions(store);
    dialog->show();
    return dialog;
}

QStringList boxTexts(QWidget *dialog)
{
    QStringList texts;
    for (const char *name : kBoxes)
        texts << box(dialog, name)->text();
    return texts;
}

QStringList storedValues(const SettingsStore &store)
{
    const ProfileDocument doc = ProfileDocument::load(store.settingsFilePath());
    QStringList values;
    for (const char *key : kKeys)
        values << doc.value(QStringLiteral("Global"), QLatin1String(key)).value_or(QStringLiteral("<missing>"));
    return values;
}

} // namespace

class tst_OptionsDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void storesOnlyWhenConfirmed_data();
    void storesOnlyWhenConfirmed();
    void okWhenTheFileCannotBeWritten();
};

void tst_OptionsDialog::storesOnlyWhenConfirmed_data()
{
    QTest::addColumn<QStringList>("typed");  // server, folder, user, password, web address
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("stores");
    const QStringList edited = {"ftp2.example.net", "up/my load", "bob", "p w", "http://web2.example.net/x/"};
    // Blanks at either end are the profile file's to trim; inner ones stay.
    QTest::newRow("OK stores as typed, inner blanks and scheme kept") << edited << "ok" << true;
    QTest::newRow("OK stores emptied boxes") << QStringList{"ftp.example.net", "", "", "", ""} << "ok" << true;
    QTest::newRow("Enter in the last box stores a Japanese folder")
        << QStringList{"ftp.example.net", QString::fromUtf8("アプリ/公開"), "alice", "secret", "www.example.net/i"}
        << "enter" << true;
    QTest::newRow("Cancel stores nothing") << edited << "cancel" << false;
    QTest::newRow("Esc stores nothing") << edited << "escape" << false;
    QTest::newRow("close box stores nothing") << edited << "close" << false;
}

void tst_OptionsDialog::storesOnlyWhenConfirmed()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, how);
    QFETCH(bool, stores);
    ProjectSandbox sandbox(uploadOptions());
    QVERIFY(sandbox.isValid());
    const QString file = sandbox.store.settingsFilePath();
    const QByteArray fileBefore = readBytes(file);
    // Held from a file that changed since: the dialog shows the file.
    QVERIFY(writeBytes(file, QByteArray(fileBefore).replace("ftp.example.net", "unsaved.example.org")));
    QVERIFY(sandbox.store.LoadSettings());
    QVERIFY(writeBytes(file, fileBefore));

    QPointer<frmOptions> dialog = open(sandbox.store);
    const QStringList shown = {"ftp.example.net", "public_html/i", "alice", "secret", "www.example.net/i"};
    QCOMPARE(boxTexts(dialog), shown);
    QCOMPARE(box(dialog, "txtFtpPassword")->echoMode(), QLineEdit::Normal);
    const AppSettings memoryBefore = sandbox.store.settings();
    for (int i = 0; i < typed.size(); ++i)
        box(dialog, kBoxes[i])->setText(typed[i]);
    if (how == QLatin1String("ok"))
        click(dialog, "cmdOK");
    else if (how == QLatin1String("enter"))
        QTest::keyClick(box(dialog, "txtWeb"), Qt::Key_Return);
    else if (how == QLatin1String("cancel"))
        click(dialog, "cmdCancel");
    else if (how == QLatin1String("escape"))
        QTest::keyClick(box(dialog, "txtFtp"), Qt::Key_Escape);
    else
        dialog->close();

    QTRY_VERIFY(dialog.isNull());
    if (!stores) {
        QCOMPARE(readBytes(sandbox.store.settingsFilePath()), fileBefore);
        QVERIFY(sandbox.store.settings() == memoryBefore);
        return;
    }
    QCOMPARE(storedValues(sandbox.store), typed);
    const AppSettings &s = sandbox.store.settings();
    QCOMPARE((QStringList{s.FtpUrl, s.FtpPath, s.FtpId, s.FtpPassword, s.WebUrl}), typed);
    QCOMPARE(s.lastProject, QStringLiteral("Hello"));
    QCOMPARE(s.minor, 4);
}

void tst_OptionsDialog::okWhenTheFileCannotBeWritten()
{
    ProjectSandbox sandbox(uploadOptions());
    QVERIFY(sandbox.isValid());
    QPointer<frmOptions> dialog = open(sandbox.store);
    const AppSettings memoryBefore = sandbox.store.settings();
    const QString file = sandbox.store.settingsFilePath();
    // A folder where the file was: nothing can be written there.
    QVERIFY(QFile::remove(file) && QDir().mkdir(file));
    box(dialog, "txtFtp")->setText(QStringLiteral("edited.example.net"));
    DialogDriver boxes;

    click(dialog, "cmdOK");

    QCOMPARE(boxes.messages.size(), 1);
    QVERIFY2(boxes.messages.first().contains(file), qPrintable(boxes.messages.first()));
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(box(dialog, "txtFtp")->text(), QStringLiteral("edited.example.net"));
    QVERIFY(sandbox.store.settings() == memoryBefore);
    delete dialog;
}

QTEST_MAIN(tst_OptionsDialog)
#include "tst_options_dialog.moc"
