//#since DoJa-3.5
package com.nttdocomo.ui;

public abstract class PalettedImage extends Image {
    protected PalettedImage() {
    }

    public static PalettedImage createPalettedImage(byte[] data) {
        return null;
    }

    public static PalettedImage createPalettedImage(java.io.InputStream in) {
        return null;
    }

    public Graphics getGraphics() {
        return null;
    }

    public Palette getPalette() {
        return null;
    }

    public void setPalette(Palette palette) {
    }

    //#if DoJa-5.0
    public void changeData(byte[] data) {
    }

    public void changeData(java.io.InputStream in) {
    }

    public static PalettedImage createPalettedImage(int width, int height) {
        return null;
    }

    public int getTransparentColor() {
        return 0;
    }

    public int getTransparentIndex() {
        return 0;
    }

    public void setTransparentColor(int color) {
    }

    public void setTransparentEnabled(boolean enabled) {
    }

    public void setTransparentIndex(int index) {
    }
    //#endif
}
