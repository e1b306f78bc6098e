package com.nttdocomo.ui;

/** A frame the application draws itself. */
public abstract class Canvas extends Frame {
    public abstract void paint(Graphics g);

    public void processEvent(int type, int param) {
    }

    public void repaint() {
    }

    public Graphics getGraphics() {
        return new Graphics();
    }
}
