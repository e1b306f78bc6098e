package com.nttdocomo.ui;

/** Drawing on a canvas; the stand-in draws nowhere. */
public class Graphics {
    public static final int BLACK = 0;
    public static final int WHITE = 7;

    public static int getColorOfName(int name) {
        return name;
    }

    public void setColor(int color) {
    }

    public void drawString(String text, int x, int y) {
    }

    public void drawLine(int x1, int y1, int x2, int y2) {
    }

    public void fillRect(int x, int y, int width, int height) {
    }

    public void clearRect(int x, int y, int width, int height) {
    }

    public void lock() {
    }

    public void unlock(boolean force) {
    }
}
