package com.nttdocomo.ui;

import java.util.ArrayList;
import java.util.List;

/** A frame made of components, laid out one under the other below the title. */
public class Panel extends Frame {
    private final List<Component> components = new ArrayList<>();
    private String title;
    private ComponentListener listener;
    private Component focused;

    public Panel() {
    }

    public void add(Component c) {
        if (c == null)
            throw new NullPointerException("component");
        if (c.panel != null)
            throw new IllegalArgumentException("この部品はもうパネルにあります");
        c.panel = this;
        components.add(c);
        changed();
    }

    public void setTitle(String title) {
        this.title = title;
        changed();
    }

    public void setComponentListener(ComponentListener listener) {
        this.listener = listener;
    }

    String title() {
        return title;
    }

    List<Component> components() {
        return components;
    }

    Component focused() {
        if (focused == null || !focused.focusable())
            focused = next(null, 1);
        return focused;
    }

    void focus(Component c) {
        if (c.focusable()) {
            focused = c;
            changed();
        }
    }

    // The next part that takes the focus, in the given direction.
    Component next(Component from, int step) {
        int count = components.size();
        int start = from == null ? (step > 0 ? -1 : count) : components.indexOf(from);
        for (int i = start + step; i >= 0 && i < count; i += step) {
            if (components.get(i).focusable())
                return components.get(i);
        }
        return from;
    }

    void notify(Component c, int type) {
        if (listener != null)
            listener.componentAction(c, type, 0);
    }

    void changed() {
        Handset.current().requestPanel(this);
    }
}
