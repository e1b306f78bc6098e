package com.nttdocomo.ui;

import java.awt.Color;
import java.awt.Graphics2D;
import java.awt.RenderingHints;

/** The emulator's own look of panels and dialogs: colours and spacing in one place. */
final class Look {
    static final int MARGIN = 2;
    static final int GAP = 2;
    static final int PADDING = 3;
    static final int TRANSPARENT = -1;
    static final int PANEL = 0xffffff;
    static final int TEXT = 0x000000;
    static final int FOCUS = 0xffff80;
    static final int FRAME_LINE = 0x808080;
    static final int FIELD = 0xffffff;
    static final int BUTTON = 0xd8d8d8;
    static final int LINK = 0x0000c0;
    static final int TITLE = 0x000080;
    static final int TITLE_TEXT = 0xffffff;
    static final int DISABLED_TEXT = 0x909090;

    private Look() {
    }

    static void fill(Graphics2D g, int rgb, int x, int y, int width, int height) {
        if (rgb == TRANSPARENT)
            return;
        g.setColor(new Color(rgb & 0xffffff));
        g.fillRect(x, y, width, height);
    }

    static void frame(Graphics2D g, int x, int y, int width, int height) {
        g.setColor(new Color(FRAME_LINE));
        g.drawRect(x, y, width - 1, height - 1);
    }

    /** One line of text with its top at y. */
    static void text(Graphics2D g, Font font, int rgb, String text, int x, int y) {
        g.setFont(font.awtFont());
        g.setRenderingHint(RenderingHints.KEY_TEXT_ANTIALIASING, RenderingHints.VALUE_TEXT_ANTIALIAS_OFF);
        g.setColor(new Color(rgb & 0xffffff));
        g.drawString(Text.printable(text), x, y + font.getAscent());
    }
}
