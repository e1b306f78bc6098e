package com.nttdocomo.ui;

/** A part of a panel; the panel lays its parts out one under the other. */
public abstract class Component {
    private int x;
    private int y;
    private int width;
    private int height;
    private boolean visible = true;
    private int background = 0xffffff;
    private int foreground = 0x000000;
    private Font font = Font.getDefaultFont();
    Panel panel;

    public Component() {
    }

    public int getX() {
        return x;
    }

    public int getY() {
        return y;
    }

    public final int getWidth() {
        return width;
    }

    public final int getHeight() {
        return height;
    }

    public void setVisible(boolean b) {
        visible = b;
        changed();
    }

    public void setBackground(int c) {
        background = c;
        changed();
    }

    public void setForeground(int c) {
        foreground = c;
        changed();
    }

    public void setFont(Font f) {
        if (f == null)
            throw new NullPointerException("font");
        font = f;
        changed();
    }

    // What the part shows, and whether it takes the focus.
    String text() {
        return "";
    }

    boolean focusable() {
        return false;
    }

    void selected() {
    }

    void place(int px, int py, int pwidth, int pheight) {
        x = px;
        y = py;
        width = pwidth;
        height = pheight;
    }

    boolean visible() {
        return visible;
    }

    int background() {
        return background;
    }

    int foreground() {
        return foreground;
    }

    Font font() {
        return font;
    }

    void changed() {
        if (panel != null)
            panel.changed();
    }
}
