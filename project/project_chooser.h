#pragma once

#include <QDialog>

class QListWidget;

// The project chooser: lists the entries of the apps folder, returns the one
// picked.
class frmProject : public QDialog
{
    Q_OBJECT
public:
    explicit frmProject(QWidget *parent = nullptr);
    // The selected entry's name after Open; empty after Cancel or the close box.
    QString LoadProject(const QString &listingPattern);

private:
    QListWidget *ProjectList = nullptr;
};
