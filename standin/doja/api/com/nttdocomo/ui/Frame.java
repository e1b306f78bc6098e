package com.nttdocomo.ui;

public abstract class Frame {
    public static final int SOFT_KEY_1 = 0;
    public static final int SOFT_KEY_2 = 1;

    public Frame() {
    }

    public final int getHeight() {
        return 0;
    }

    public final int getWidth() {
        return 0;
    }

    public void setBackground(int color) {
    }

    public void setSoftLabel(int key, String label) {
    }

    //#if DoJa-5.0
    public void setSoftLabelVisible(boolean b) {
    }
    //#endif
}
