package com.nttdocomo.ui;

public class Graphics {
    public static final int BLACK = 0;
    public static final int BLUE = 1;
    public static final int LIME = 2;
    public static final int AQUA = 3;
    public static final int RED = 4;
    public static final int FUCHSIA = 5;
    public static final int YELLOW = 6;
    public static final int WHITE = 7;
    public static final int GRAY = 8;
    public static final int NAVY = 9;
    public static final int GREEN = 10;
    public static final int TEAL = 11;
    public static final int MAROON = 12;
    public static final int PURPLE = 13;
    public static final int OLIVE = 14;
    public static final int SILVER = 15;

    protected Graphics() {
    }

    public static int getColorOfName(int name) {
        return 0;
    }

    public static int getColorOfRGB(int r, int g, int b) {
        return 0;
    }

    public void lock() {
    }

    public void unlock(boolean forced) {
    }

    public void setColor(int c) {
    }

    public void setFont(Font f) {
    }

    public void setOrigin(int x, int y) {
    }

    public void clearRect(int x, int y, int width, int height) {
    }

    public void drawLine(int x1, int y1, int x2, int y2) {
    }

    public void drawRect(int x, int y, int width, int height) {
    }

    public void fillRect(int x, int y, int width, int height) {
    }

    //#if DoJa-3.0
    public void drawArc(int x, int y, int width, int height, int startAngle, int arcAngle) {
    }
    //#endif

    //#if DoJa-3.0
    public void fillArc(int x, int y, int width, int height, int startAngle, int arcAngle) {
    }
    //#endif

    public void drawString(String str, int x, int y) {
    }

    public void drawImage(Image image, int x, int y) {
    }
}
