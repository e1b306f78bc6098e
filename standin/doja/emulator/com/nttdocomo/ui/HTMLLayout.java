package com.nttdocomo.ui;

import java.util.ArrayList;
import java.util.List;

/**
 * Lays a panel out as a page sets its text: the parts added between begin()
 * and end() take that block's alignment (P starts a paragraph), br() ends
 * the line, and a line that is full goes on below.
 */
public class HTMLLayout implements LayoutManager {
    public static final String CENTER = "CENTER";
    public static final String LEFT = "LEFT";
    public static final String P = "P";
    public static final String RIGHT = "RIGHT";

    // Tags (String), line ends (BREAK), block ends (END) and parts, in the order given.
    static final Object BREAK = new Object();
    static final Object END = new Object();
    private final List<Object> items = new ArrayList<>();

    public HTMLLayout() {
    }

    public void begin(String tag) {
        if (!CENTER.equals(tag) && !LEFT.equals(tag) && !P.equals(tag) && !RIGHT.equals(tag))
            throw new IllegalArgumentException("tag");
        items.add(tag);
        changed();
    }

    public void br() {
        items.add(BREAK);
        changed();
    }

    public void end() {
        items.add(END);
        changed();
    }

    void added(Component c) {
        items.add(c);
    }

    List<Object> items() {
        return items;
    }

    private void changed() {
        Frame f = Handset.current().frame();
        if (f instanceof Panel && ((Panel) f).layoutManager() == this)
            ((Panel) f).changed();
    }
}
