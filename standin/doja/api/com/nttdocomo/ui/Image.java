package com.nttdocomo.ui;

public abstract class Image {
    protected Image() {
    }

    public abstract void dispose();

    public int getHeight() {
        return 0;
    }

    public int getWidth() {
        return 0;
    }

    //#if DoJa-2.0
    public static Image createImage(int width, int height) {
        return null;
    }

    public Graphics getGraphics() {
        return null;
    }
    //#endif

    //#if DoJa-3.0
    public static Image createImage(int width, int height, int[] data, int off) {
        return null;
    }
    //#endif

    //#if DoJa-5.0
    public int getAlpha() {
        return 0;
    }

    public int getTransparentColor() {
        return 0;
    }

    public void setAlpha(int alpha) {
    }

    public void setTransparentColor(int color) {
    }

    public void setTransparentEnabled(boolean enabled) {
    }
    //#endif
}
