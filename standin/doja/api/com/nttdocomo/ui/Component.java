package com.nttdocomo.ui;

public abstract class Component {
    public Component() {
    }

    public int getX() {
        return 0;
    }

    public int getY() {
        return 0;
    }

    public final int getWidth() {
        return 0;
    }

    public final int getHeight() {
        return 0;
    }

    public void setVisible(boolean b) {
    }

    public void setBackground(int c) {
    }

    public void setForeground(int c) {
    }

    //#if DoJa-3.0
    public void setFont(Font f) {
    }
    //#endif
}
