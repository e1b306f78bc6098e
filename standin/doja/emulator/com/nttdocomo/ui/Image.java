package com.nttdocomo.ui;

import java.awt.image.BufferedImage;

/** A picture the application can draw; loaded from the archive through MediaManager. */
public abstract class Image {
    private BufferedImage picture;

    protected Image() {
    }

    Image(BufferedImage picture) {
        this.picture = picture;
    }

    public int getWidth() {
        return picture().getWidth();
    }

    public int getHeight() {
        return picture().getHeight();
    }

    public abstract void dispose();

    BufferedImage picture() {
        if (picture == null)
            throw new IllegalStateException("この画像は破棄されています");
        return picture;
    }

    void forget() {
        picture = null;
    }
}
