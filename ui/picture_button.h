#pragma once

#include <QLabel>
#include <QPixmap>

// A button that is a picture: the pressed picture while any mouse button is
// held down on it, the released one otherwise. Only the left button clicks,
// pressed and let go on the picture.
class PictureButton : public QLabel
{
    Q_OBJECT
public:
    PictureButton(const QString &releasedPicture, const QString &pressedPicture, QWidget *parent = nullptr);

    bool isShowingPressed() const { return m_pressed; }
    // Greyed while it cannot act now; a click still comes, so the window can
    // say why nothing happens.
    void setActionable(bool actionable);
    bool isActionable() const { return m_actionable; }

Q_SIGNALS:
    void mouseDown();
    void mouseUp();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showPicture(bool pressed);

    QPixmap m_released;
    QPixmap m_pressedPicture;
    QPixmap m_greyed;
    bool m_pressed = false;
    bool m_actionable = true;
};

// A picture of 32 by 32 pixels at position, drawn from an SVG resource.
QLabel *makePictureLabel(QWidget *parent, const QString &name, const QString &resource, const QPoint &position);
