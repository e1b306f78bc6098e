#pragma once

#include <QDialog>

// The version dialog, shown modal over the main window.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);
};
