package com.nttdocomo.ui;

import java.awt.Dimension;
import java.util.ArrayDeque;
import java.util.ArrayList;
import java.util.Deque;
import java.util.List;

/**
 * Places a panel's parts. By default they follow each other in lines, left
 * to right, a new line when one is full; an HTMLLayout adds its blocks and
 * line ends; without a layout manager each part stays where setLocation put it.
 */
final class PanelLayout {
    private final int width;
    private final Deque<Integer> alignments = new ArrayDeque<>();
    private final List<Component> line = new ArrayList<>();
    private final List<Dimension> sizes = new ArrayList<>();
    private int lineWidth;
    private int top;

    private PanelLayout(int width) {
        this.width = width;
        alignments.push(Label.LEFT);
    }

    /** Places the parts within the given width; the height they take. */
    static int layOut(Panel panel, int width) {
        if (panel.isAbsolute())
            return absolute(panel);
        PanelLayout layout = new PanelLayout(width);
        List<Component> left = new ArrayList<>(panel.components());
        LayoutManager manager = panel.layoutManager();
        if (manager instanceof HTMLLayout) {
            List<Object> items = ((HTMLLayout) manager).items();
            left.removeAll(items);
            for (Component c : left)
                layout.add(c);
            for (Object item : items)
                layout.take(item, panel);
        } else {
            for (Component c : left)
                layout.add(c);
        }
        layout.endLine();
        return layout.top;
    }

    private static int absolute(Panel panel) {
        int bottom = 0;
        for (Component c : panel.components()) {
            if (!c.visible())
                continue;
            Dimension size = c.size();
            c.place(c.getX(), c.getY(), size);
            bottom = Math.max(bottom, c.getY() + size.height);
        }
        return bottom;
    }

    private void take(Object item, Panel panel) {
        if (item instanceof Component) {
            if (((Component) item).panel == panel)
                add((Component) item);
        } else if (item == HTMLLayout.BREAK) {
            if (line.isEmpty())
                top += Font.getDefaultFont().getHeight();
            endLine();
        } else if (item == HTMLLayout.END) {
            endLine();
            if (alignments.size() > 1)
                alignments.pop();
        } else {
            endLine();
            String tag = (String) item;
            if (tag.equals(HTMLLayout.P) && top > 0)
                top += Font.getDefaultFont().getHeight() / 2;
            alignments.push(tag.equals(HTMLLayout.CENTER) ? Label.CENTER : tag.equals(HTMLLayout.RIGHT) ? Label.RIGHT : Label.LEFT);
        }
    }

    private void add(Component c) {
        if (!c.visible())
            return;
        Dimension size = c.size();
        if (!line.isEmpty() && lineWidth + Look.GAP + size.width > width)
            endLine();
        lineWidth += (line.isEmpty() ? 0 : Look.GAP) + size.width;
        line.add(c);
        sizes.add(size);
    }

    private void endLine() {
        if (line.isEmpty())
            return;
        int alignment = alignments.peek();
        int free = Math.max(0, width - lineWidth);
        int x = alignment == Label.CENTER ? free / 2 : alignment == Label.RIGHT ? free : 0;
        int height = 0;
        for (Dimension size : sizes)
            height = Math.max(height, size.height);
        for (int i = 0; i < line.size(); ++i) {
            line.get(i).place(x, top, sizes.get(i));
            x += sizes.get(i).width + Look.GAP;
        }
        top += height + Look.GAP;
        line.clear();
        sizes.clear();
        lineWidth = 0;
    }
}
