#pragma once

#include "project/dialog_parts.h"

#include <QDialog>

class QLineEdit;
class SettingsStore;

// Asks for a project name and creates the project in the apps folder.
class dlgNewProject : public QDialog
{
    Q_OBJECT
public:
    explicit dlgNewProject(SettingsStore &store, QWidget *parent = nullptr);
    // Waits, the other windows staying usable, until OK, Cancel or the close
    // box. The new project's name, or empty when none was created.
    QString LoadProject();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void OKButton_Click();
    void CancelButton_Click();
    void endWait();
    // The name stays, selected, for the user to type another.
    void refuseName(const QString &message);

    SettingsStore &m_store;
    QLineEdit *Text1 = nullptr;
    DialogWait m_wait;
    QString m_chosenName;
};
