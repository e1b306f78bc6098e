package com.nttdocomo.ui;

import java.awt.AlphaComposite;
import java.awt.Graphics2D;
import java.awt.image.BufferedImage;

/**
 * A picture the application can draw: read through MediaManager, or made
 * with createImage and drawn on through getGraphics.
 */
public abstract class Image {
    private BufferedImage picture;
    private int alpha = 255;
    private int transparentColor;
    private boolean transparentEnabled;

    protected Image() {
    }

    Image(BufferedImage picture) {
        this.picture = picture;
    }

    public static Image createImage(int width, int height) {
        if (width <= 0 || height <= 0)
            throw new IllegalArgumentException("width, height");
        BufferedImage picture = new BufferedImage(width, height, BufferedImage.TYPE_INT_ARGB);
        Graphics2D g = picture.createGraphics();
        g.setColor(java.awt.Color.WHITE);
        g.fillRect(0, 0, width, height);
        g.dispose();
        return new Made(picture);
    }

    public static Image createImage(int width, int height, int[] data, int off) {
        if (data == null)
            throw new NullPointerException("data");
        if (width <= 0 || height <= 0)
            throw new IllegalArgumentException("width, height");
        if (off < 0 || off + width * height > data.length)
            throw new ArrayIndexOutOfBoundsException("off");
        BufferedImage picture = new BufferedImage(width, height, BufferedImage.TYPE_INT_ARGB);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                picture.setRGB(x, y, 0xff000000 | data[off + y * width + x]);
        }
        return new Made(picture);
    }

    public Graphics getGraphics() {
        return new Graphics(picture(), null);
    }

    public int getWidth() {
        return picture().getWidth();
    }

    public int getHeight() {
        return picture().getHeight();
    }

    public abstract void dispose();

    public int getAlpha() {
        return alpha;
    }

    public void setAlpha(int alpha) {
        if (alpha < 0 || alpha > 255)
            throw new IllegalArgumentException("alpha");
        this.alpha = alpha;
    }

    public int getTransparentColor() {
        return transparentColor;
    }

    public void setTransparentColor(int color) {
        transparentColor = color;
    }

    public void setTransparentEnabled(boolean enabled) {
        transparentEnabled = enabled;
    }

    BufferedImage picture() {
        if (picture == null)
            throw new UIException(UIException.ILLEGAL_STATE, "この画像は破棄されています");
        return picture;
    }

    void forget() {
        picture = null;
    }

    /** The picture as it is drawn: the transparent colour left out. */
    BufferedImage drawn() {
        BufferedImage source = picture();
        if (!transparentEnabled)
            return source;
        BufferedImage copy = new BufferedImage(source.getWidth(), source.getHeight(), BufferedImage.TYPE_INT_ARGB);
        int key = transparentColor & 0xffffff;
        for (int y = 0; y < source.getHeight(); ++y) {
            for (int x = 0; x < source.getWidth(); ++x) {
                int argb = source.getRGB(x, y);
                copy.setRGB(x, y, (argb & 0xffffff) == key ? 0 : argb);
            }
        }
        return copy;
    }

    void drawOn(Graphics2D g, int x, int y) {
        Graphics2D d = (Graphics2D) g.create();
        try {
            d.setComposite(AlphaComposite.getInstance(AlphaComposite.SRC_OVER, alpha / 255f));
            d.drawImage(drawn(), x, y, null);
        } finally {
            d.dispose();
        }
    }

    AlphaComposite composite() {
        return AlphaComposite.getInstance(AlphaComposite.SRC_OVER, alpha / 255f);
    }

    private static final class Made extends Image {
        Made(BufferedImage picture) {
            super(picture);
        }

        public void dispose() {
            forget();
        }
    }
}
