#pragma once

#include <QWidget>

// The start-up window: the logo in a frame, no title, no buttons.
class frmSplash : public QWidget
{
    Q_OBJECT
public:
    explicit frmSplash(QWidget *parent = nullptr);
};
