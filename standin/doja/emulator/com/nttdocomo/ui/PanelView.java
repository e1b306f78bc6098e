package com.nttdocomo.ui;

import java.awt.Graphics2D;
import java.awt.image.BufferedImage;

/** Draws a panel on the screen: its title, then its parts, scrolled to the part in focus. */
final class PanelView {
    private PanelView() {
    }

    static void paint(Panel panel, BufferedImage screen) {
        int width = screen.getWidth();
        int height = screen.getHeight();
        Graphics2D g = screen.createGraphics();
        try {
            Look.fill(g, panel.background(), 0, 0, width, height);
            int top = 0;
            if (panel.title() != null) {
                Font heading = Font.getFont(Font.TYPE_HEADING);
                top = heading.getHeight() + 2 * Look.MARGIN;
                Look.fill(g, Look.TITLE, 0, 0, width, top);
                Look.text(g, heading, Look.TITLE_TEXT, panel.title(), Look.MARGIN, Look.MARGIN);
            }
            int contentTop = top + Look.MARGIN;
            int contentHeight = PanelLayout.layOut(panel, panel.innerWidth());
            scrollToFocus(panel, height - contentTop, contentHeight);
            g.clipRect(0, contentTop, width, height - contentTop);
            Component focused = panel.focused();
            for (Component c : panel.components()) {
                if (!c.visible())
                    continue;
                Graphics2D part = (Graphics2D) g.create(Look.MARGIN + c.getX(), contentTop + c.getY() - panel.scroll(),
                                                        c.getWidth(), c.getHeight());
                try {
                    c.paint(part, c == focused);
                } finally {
                    part.dispose();
                }
            }
        } finally {
            g.dispose();
        }
    }

    // Keeps the part in focus (for a list, its cursor) in view.
    private static void scrollToFocus(Panel panel, int visible, int content) {
        int scroll = Math.max(0, Math.min(panel.scroll(), content - visible));
        Component focused = panel.focused();
        if (focused != null) {
            int top = focused.getY();
            int bottom = top + focused.getHeight();
            if (focused instanceof ListBox) {
                int row = Font.getDefaultFont().getHeight() + 2;
                top += ((ListBox) focused).cursorTop();
                bottom = Math.min(bottom, top + row);
            }
            if (bottom - scroll > visible)
                scroll = bottom - visible;
            if (top < scroll)
                scroll = top;
        }
        panel.setScroll(Math.max(0, scroll));
    }
}
