//#since DoJa-3.0
package com.nttdocomo.ui;

public class ImageEncoder {
    // The listings give no values for these: ours, distinct within each group.
    public static final int ATTR_QUALITY_HIGH = 2;
    public static final int ATTR_QUALITY_LOW = 0;
    public static final int ATTR_QUALITY_STANDARD = 1;
    public static final int QUALITY = 1;

    public EncodedImage encode(Canvas canvas, int x, int y, int width, int height) {
        return null;
    }

    public EncodedImage encode(Image img, int x, int y, int width, int height) {
        return null;
    }

    public static ImageEncoder getEncoder(String format) {
        return null;
    }

    public boolean isAvailable(int attr) {
        return false;
    }

    public void setAttribute(int attr, int value) {
    }

    private ImageEncoder() {
    }
}
