package com.nttdocomo.ui;

import java.awt.Dimension;
import java.awt.Graphics2D;

/**
 * A part of a panel. The panel's layout places it; what it shows, whether
 * it takes the focus and what it does with keys is each part's own.
 */
public abstract class Component {
    private int x;
    private int y;
    private int width = -1;
    private int height = -1;
    private boolean sized;
    private boolean visible = true;
    private int background = Look.TRANSPARENT;
    private int foreground = Look.TEXT;
    private Font font;
    Panel panel;

    public Component() {
    }

    public int getX() {
        return x;
    }

    public int getY() {
        return y;
    }

    public int getWidth() {
        return width >= 0 ? width : size().width;
    }

    public int getHeight() {
        return height >= 0 ? height : size().height;
    }

    public void setLocation(int x, int y) {
        this.x = x;
        this.y = y;
        changed();
    }

    public void setSize(int width, int height) {
        if (width < 0 || height < 0)
            throw new IllegalArgumentException("width, height");
        this.width = width;
        this.height = height;
        sized = true;
        changed();
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
        font = f;
        changed();
    }

    // What each part does -----------------------------------------------------

    /** The size the part asks for, in a panel of the given inner width. */
    abstract Dimension preferredSize(int available);

    /** Draws the part with its top left corner at 0,0. */
    abstract void paint(Graphics2D g, boolean focused);

    boolean focusable() {
        return false;
    }

    /** A key pressed while the part has the focus; true when the part used it. */
    boolean key(int code) {
        return false;
    }

    // What the panel knows of it -----------------------------------------------

    Dimension size() {
        int available = panel == null ? Handset.current().width() : panel.innerWidth();
        return sized ? new Dimension(width, height) : preferredSize(available);
    }

    void place(int px, int py, Dimension size) {
        x = px;
        y = py;
        if (!sized) {
            width = size.width;
            height = size.height;
        }
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
        return font != null ? font : Font.getDefaultFont();
    }

    boolean hasFocus() {
        return panel != null && panel.focused() == this;
    }

    void changed() {
        if (panel != null)
            panel.changed();
    }

    void notifyListener(int type, int param) {
        if (panel != null)
            panel.notifyListener(this, type, param);
    }

    void takeFocus() {
        if (panel != null)
            panel.focus(this);
    }
}
