package com.nttdocomo.ui;

/** The handset's screen. */
public final class Display {
    public static final int KEY_SELECT = 20;
    private static Frame current;

    private Display() {
    }

    public static void setCurrent(Frame frame) {
        current = frame;
    }

    public static Frame getCurrent() {
        return current;
    }

    public static int getWidth() {
        return 120;
    }

    public static int getHeight() {
        return 130;
    }
}
