package com.nttdocomo.ui;

public abstract class Image {
    protected Image() {
    }

    public int getWidth() {
        return 0;
    }

    public int getHeight() {
        return 0;
    }

    public abstract void dispose();
}
