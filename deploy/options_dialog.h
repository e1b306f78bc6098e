#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class SettingsStore;

// The server settings dialog: the five settings the upload depends on.
//
// Use: the main window keeps one instance in a QPointer, creates it with no
// parent (no owner window) when the pointer is null, and otherwise shows the
// open one again; show() it, never exec(), so the main window stays usable.
// The dialog deletes itself on every close (WA_DeleteOnClose), so each
// opening is a new instance that loads the settings afresh.
//
// Construction is the window load: the settings are reloaded from the file
// (which may show the store's missing-JDK message) and the boxes filled.
// OK (or Enter) stores the boxes as typed, saves, reloads and closes; when the
// file cannot be written it says why and stays open. Cancel, Esc and the
// close box store nothing.
class frmOptions : public QDialog
{
    Q_OBJECT
public:
    explicit frmOptions(SettingsStore &store, QWidget *parent = nullptr);
    // The one dialog, not modal and without an owner window, made when there
    // is none yet and centred over window; it then comes to the front.
    static frmOptions *showOver(frmOptions *existing, SettingsStore &store, QWidget *window);

private:
    void createControls();
    void createLayout();
    void Form_Load();
    void cmdOK_Click();
    void cmdCancel_Click();
    // Loads the settings afresh; a file that cannot be read is said in a box.
    void reload();
    void showMessage(const QString &text);

    SettingsStore &m_store;
    QLineEdit *txtFtp = nullptr;
    QLineEdit *txtFtpPath = nullptr;
    QLineEdit *txtFtpId = nullptr;
    QLineEdit *txtFtpPassword = nullptr;
    QLineEdit *txtWeb = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};
