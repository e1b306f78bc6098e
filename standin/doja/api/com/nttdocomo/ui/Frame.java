package com.nttdocomo.ui;

/** Something the display can show. */
public abstract class Frame {
    public int getWidth() {
        return Display.getWidth();
    }

    public int getHeight() {
        return Display.getHeight();
    }
}
