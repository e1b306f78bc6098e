package com.nttdocomo.ui;

import java.awt.Color;
import java.awt.FontMetrics;
import java.awt.Graphics2D;
import java.awt.image.BufferedImage;

/** Draws a panel on the screen and moves its focus with the keys. */
final class PanelView {
    private static final int GAP = 4;

    private PanelView() {
    }

    static void paint(Panel panel, BufferedImage screen, Handset handset) {
        synchronized (handset) {
            Graphics2D g = screen.createGraphics();
            g.setColor(new Color(panel.background()));
            g.fillRect(0, 0, handset.width(), handset.height());
            int y = 0;
            if (panel.title() != null) {
                y = row(handset, g, Font.getFont(Font.TYPE_HEADING), y, panel.title(), 0x000080, 0xffffff, false);
            }
            Component focused = panel.focused();
            for (Component c : panel.components()) {
                if (!c.visible())
                    continue;
                boolean boxed = c instanceof Button || c instanceof TextBox;
                int top = y + GAP;
                int bottom = row(handset, g, c.font(), top, c.text(), c == focused ? 0xffff80 : c.background(), c.foreground(), boxed);
                c.place(0, top, handset.width(), bottom - top);
                y = bottom;
            }
            g.dispose();
        }
    }

    private static int row(Handset handset, Graphics2D g, Font font, int top, String text, int background, int foreground, boolean boxed) {
        g.setFont(font.awtFont());
        FontMetrics metrics = g.getFontMetrics();
        int height = metrics.getHeight() + 2 * GAP;
        g.setColor(new Color(background));
        g.fillRect(GAP, top, handset.width() - 2 * GAP, height);
        g.setColor(new Color(foreground));
        if (boxed)
            g.drawRect(GAP, top, handset.width() - 2 * GAP - 1, height - 1);
        g.drawString(text, 2 * GAP, top + GAP + metrics.getAscent());
        return top + height;
    }

    static void key(Panel panel, int code, Handset handset) {
        Component focused = panel.focused();
        if (code == Display.KEY_UP || code == Display.KEY_DOWN) {
            Component next = panel.next(focused, code == Display.KEY_DOWN ? 1 : -1);
            if (next != null)
                panel.focus(next);
        } else if (code == Display.KEY_SELECT && focused != null) {
            focused.selected();
        }
    }
}
