package com.nttdocomo.ui;

import java.util.ArrayList;
import java.util.List;

/**
 * A frame made of components under an optional title. The arrow keys move
 * the focus from part to part in the order they were added, SELECT acts on
 * the part in focus; the key listener hears every key but the soft keys,
 * which go to the soft-key listener.
 */
public class Panel extends Frame {
    private final List<Component> components = new ArrayList<>();
    private String title;
    private ComponentListener componentListener;
    private SoftKeyListener softKeyListener;
    private KeyListener keyListener;
    private FocusManager focusManager;
    private LayoutManager layoutManager;
    private boolean absolute;
    private Component focused;
    private int scroll;

    public Panel() {
    }

    public void setTitle(String title) {
        this.title = title;
        changed();
    }

    public void setBackground(int color) {
        super.setBackground(color);
    }

    public void add(Component comp) {
        if (comp == null)
            throw new NullPointerException("comp");
        if (comp.panel != null)
            throw new IllegalArgumentException("この部品はもうパネルにあります");
        comp.panel = this;
        components.add(comp);
        if (layoutManager instanceof HTMLLayout)
            ((HTMLLayout) layoutManager).added(comp);
        changed();
    }

    public void setComponentListener(ComponentListener listener) {
        componentListener = listener;
    }

    public void setSoftKeyListener(SoftKeyListener listener) {
        softKeyListener = listener;
    }

    public void setKeyListener(KeyListener listener) {
        keyListener = listener;
    }

    public void setFocusManager(FocusManager fm) {
        focusManager = fm;
    }

    public FocusManager getFocusManager() {
        return focusManager;
    }

    public void setLayoutManager(LayoutManager lm) {
        layoutManager = lm;
        absolute = lm == null;
        changed();
    }

    public void setSoftLabelVisible(boolean b) {
        super.setSoftLabelVisible(b);
    }

    // For the view --------------------------------------------------------------

    String title() {
        return title;
    }

    List<Component> components() {
        return components;
    }

    LayoutManager layoutManager() {
        return layoutManager;
    }

    boolean isAbsolute() {
        return absolute;
    }

    int innerWidth() {
        return Display.getWidth() - 2 * Look.MARGIN;
    }

    int scroll() {
        return scroll;
    }

    void setScroll(int scroll) {
        this.scroll = scroll;
    }

    Component focused() {
        if (focused == null || focused.panel != this || !focused.focusable())
            focused = next(null, 1);
        return focused;
    }

    void focus(Component c) {
        if (c.focusable() && c != focused) {
            focused = c;
            changed();
        }
    }

    // The next part that takes the focus in the given direction; from itself when none.
    Component next(Component from, int step) {
        int count = components.size();
        int start = from == null ? (step > 0 ? -1 : count) : components.indexOf(from);
        for (int i = start + step; i >= 0 && i < count; i += step) {
            if (components.get(i).focusable())
                return components.get(i);
        }
        return from;
    }

    void notifyListener(Component c, int type, int param) {
        if (componentListener != null)
            componentListener.componentAction(c, type, param);
    }

    void key(boolean pressed, int code) {
        if (code == Display.KEY_SOFT1 || code == Display.KEY_SOFT2) {
            int key = code == Display.KEY_SOFT1 ? SOFT_KEY_1 : SOFT_KEY_2;
            if (softKeyListener != null) {
                if (pressed)
                    softKeyListener.softKeyPressed(key);
                else
                    softKeyListener.softKeyReleased(key);
            }
            return;
        }
        if (keyListener != null) {
            if (pressed)
                keyListener.keyPressed(this, code);
            else
                keyListener.keyReleased(this, code);
        }
        if (pressed && Handset.current().frame() == this)
            moveFocus(code);
    }

    private void moveFocus(int code) {
        Component part = focused();
        if (part != null && part.key(code))
            return;
        int step = code == Display.KEY_DOWN || code == Display.KEY_RIGHT ? 1
                 : code == Display.KEY_UP || code == Display.KEY_LEFT ? -1 : 0;
        if (step != 0 && part != null)
            focus(next(part, step));
    }

    boolean advanceTickers() {
        boolean moved = false;
        for (Component c : components) {
            if (c instanceof Ticker)
                moved |= ((Ticker) c).advance(2);
        }
        return moved;
    }

    void changed() {
        Handset handset = Handset.current();
        if (handset != null && handset.frame() == this)
            handset.requestPanel(this);
    }
}
