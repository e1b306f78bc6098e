package com.nttdocomo.ui;

public abstract class Canvas extends Frame {
    public Canvas() {
    }

    public Graphics getGraphics() {
        return null;
    }

    public abstract void paint(Graphics g);

    public void repaint() {
    }

    public void repaint(int x, int y, int width, int height) {
    }

    public void processEvent(int type, int param) {
    }

    public int getKeypadState() {
        return 0;
    }
}
