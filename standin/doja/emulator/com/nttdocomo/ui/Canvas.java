package com.nttdocomo.ui;

/** A frame that the application draws itself and that hears the keys and its timers. */
public abstract class Canvas extends Frame {
    public Canvas() {
    }

    public Graphics getGraphics() {
        return new Graphics(Handset.current());
    }

    public abstract void paint(Graphics g);

    public void repaint() {
        Handset.current().requestPaint(this);
    }

    public void repaint(int x, int y, int width, int height) {
        repaint();
    }

    public void processEvent(int type, int param) {
    }

    public int getKeypadState() {
        return Handset.current().keypadState();
    }
}
