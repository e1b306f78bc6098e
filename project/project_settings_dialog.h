#pragma once

#include "app/project_settings.h"

#include <QDialog>
#include <QHash>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Edits one project's settings; the caller reads settings() after OK and
// saves them. Each change is checked at once: the first problem is shown
// under the fields and OK stays disabled until it is mended.
class ProjectSettingsDialog : public QDialog
{
    Q_OBJECT
public:
    ProjectSettingsDialog(const QString &projectName, const ProjectSettings &settings, QWidget *parent = nullptr);

    ProjectSettings settings() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls(const QString &projectName);
    void createLayout();
    void load(const ProjectSettings &settings);
    void watchChanges();
    void showProblem();
    QString checkValue(QCheckBox *box, const QString &onValue) const;

    QLineEdit *txtAppName = nullptr;
    QLineEdit *txtAppParam = nullptr;
    QLineEdit *txtSPsize = nullptr;
    QCheckBox *chkUseNetwork = nullptr;
    QCheckBox *chkUseBrowser = nullptr;
    QLineEdit *txtTargetDevice = nullptr;
    QLineEdit *txtDrawArea = nullptr;
    QCheckBox *chkAppTrace = nullptr;
    QComboBox *cboTargetProfile = nullptr;
    QCheckBox *chkShrink = nullptr;
    QPlainTextEdit *txtExtraLines = nullptr;
    QLabel *lblProblem = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    // A check box's value as loaded, until the user toggles it: a loaded
    // value the box cannot show is kept, and its problem shown, not mended
    // behind the user's back.
    QHash<const QCheckBox *, QString> m_loadedChecks;
    // Set in the settings file only; the dialog keeps it as it stands.
    QString m_appClass;
};
