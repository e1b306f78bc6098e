//#since DoJa-3.5
package com.nttdocomo.ui;

public class Sprite {
    protected Sprite() {
    }

    public Sprite(Image image) {
    }

    public Sprite(Image image, int x, int y, int width, int height) {
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

    public boolean isVisible() {
        return false;
    }

    public void setFlipMode(int flipMode) {
    }

    public void setImage(Image image) {
    }

    public void setImage(Image image, int x, int y, int width, int height) {
    }

    public void setLocation(int x, int y) {
    }

    public void setRotation(int[] lt) {
    }

    public void setVisible(boolean b) {
    }
}
