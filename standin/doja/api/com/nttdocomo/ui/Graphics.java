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
    //#if DoJa-3.0
    // The listings give no values for these: ours, distinct within each group.
    public static final int FLIP_HORIZONTAL = 1;
    public static final int FLIP_NONE = 0;
    public static final int FLIP_ROTATE = 3;
    public static final int FLIP_ROTATE_LEFT = 4;
    public static final int FLIP_ROTATE_RIGHT = 5;
    public static final int FLIP_VERTICAL = 2;
    //#endif
    //#if DoJa-4.1
    public static final int FLIP_ROTATE_RIGHT_HORIZONTAL = 6;
    public static final int FLIP_ROTATE_RIGHT_VERTICAL = 7;
    //#endif

    protected Graphics() {
    }

    public Graphics copy() {
        return null;
    }

    public void dispose() {
    }

    public void clearRect(int x, int y, int width, int height) {
    }

    public void drawLine(int x1, int y1, int x2, int y2) {
    }

    public void drawRect(int x, int y, int width, int height) {
    }

    public void drawString(String str, int x, int y) {
    }

    public void drawChars(char[] datast, int x, int y, int off, int len) {
    }

    public void fillRect(int x, int y, int width, int height) {
    }

    public void drawPolyline(int[] xPoints, int[] yPoints, int nPoints) {
    }

    public void fillPolygon(int[] xPoints, int[] yPoints, int nPoints) {
    }

    public void drawImage(Image image, int x, int y) {
    }

    public static int getColorOfName(int name) {
        return 0;
    }

    public static int getColorOfRGB(int r, int g, int b) {
        return 0;
    }

    public void setColor(int color) {
    }

    public void setFont(Font f) {
    }

    public void setOrigin(int x, int y) {
    }

    public void lock() {
    }

    public void unlock(boolean forced) {
    }

    public void setPictoColorEnabled(boolean b) {
    }

    //#if DoJa-2.0
    public void clearClip() {
    }

    public void clipRect(int x, int y, int width, int height) {
    }

    public void copyArea(int x, int y, int width, int height, int dx, int dy) {
    }

    public void drawImage(Image image, int dx, int dy, int sx, int sy, int width, int height) {
    }

    public void drawPolyline(int[] xPoints, int[] yPoints, int offset, int count) {
    }

    public void setClip(int x, int y, int width, int height) {
    }

    public void fillPolygon(int[] xPoints, int[] yPoints, int offset, int count) {
    }
    //#endif

    //#if DoJa-3.0
    public void drawArc(int x, int y, int width, int height, int startAngle, int arcAngle) {
    }

    public void drawScaledImage(Image image, int dx, int dy, int width, int height, int sx, int sy, int swidth, int sheight) {
    }

    public void fillArc(int x, int y, int width, int height, int startAngle, int arcAngle) {
    }

    public void setFlipMode(int flipmode) {
    }

    public int getRGBPixel(int x, int y) {
        return 0;
    }

    public int[] getRGBPixels(int x, int y, int width, int height, int[] pixels, int off) {
        return null;
    }

    public void setRGBPixel(int x, int y, int pixel) {
    }

    public void setRGBPixels(int x, int y, int width, int height, int[] pixels, int off) {
    }
    //#endif

    //#if DoJa-3.5
    public void drawImage(Image image, int[] matrix) {
    }

    public void drawImage(Image image, int[] matrix, int sx, int sy, int width, int height) {
    }

    public void drawImageMap(ImageMap map, int x, int y) {
    }

    public void drawSpriteSet(SpriteSet sprites) {
    }

    public void drawSpriteSet(SpriteSet sprites, int offset, int count) {
    }
    //#endif
}
