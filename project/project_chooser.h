#pragma once

#include "project/dialog_parts.h"

#include <QDialog>

class QListWidget;

// The project chooser: lists the entries of the apps folder and returns the
// one picked. Created at its first use, hidden between uses.
class frmProject : public QDialog
{
    Q_OBJECT
public:
    explicit frmProject(QWidget *parent = nullptr);
    // Waits, the other windows staying usable, until Open, Cancel or the
    // close box. The selected entry after Open; empty otherwise. The entry
    // named preselected (the open project) starts selected, so Enter opens it.
    QString LoadProject(const QString &listingPattern, const QString &preselected = QString());

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void Form_Load();
    void fillList(const QString &listingPattern, const QString &preselected);
    void endWait(bool opened);

    QListWidget *ProjectList = nullptr;
    DialogWait m_wait;
    bool m_opened = false;
};

// The entries a listing pattern ("<folder>/*" or "<folder>\*") names,
// folders and files alike, sorted by name without regard to case.
QStringList listProjectEntries(const QString &listingPattern);
