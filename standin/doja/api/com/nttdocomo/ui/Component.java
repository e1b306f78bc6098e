package com.nttdocomo.ui;

public abstract class Component {
    public Component() {
    }

    public int getHeight() {
        return 0;
    }

    public int getWidth() {
        return 0;
    }

    public int getX() {
        return 0;
    }

    public int getY() {
        return 0;
    }

    public void setBackground(int c) {
    }

    public void setForeground(int c) {
    }

    public void setLocation(int x, int y) {
    }

    public void setSize(int width, int height) {
    }

    public void setVisible(boolean b) {
    }

    //#if DoJa-3.0
    public void setFont(Font f) {
    }
    //#endif
}
