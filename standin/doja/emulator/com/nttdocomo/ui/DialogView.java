package com.nttdocomo.ui;

import java.awt.Graphics2D;
import java.awt.image.BufferedImage;
import java.util.List;

/** Draws a dialog as a box over the screen: title, text, then a row of buttons. */
final class DialogView {
    private static final int INSET = 6;
    private static final int[] TITLE_COLOURS = {Look.TITLE, 0x806000, 0x800000, Look.TITLE, Look.TITLE};

    private DialogView() {
    }

    static void paint(Dialog dialog, BufferedImage screen) {
        int width = screen.getWidth() - 2 * INSET;
        Font font = dialog.font();
        Font heading = Font.getFont(Font.TYPE_HEADING);
        int line = font.getHeight();
        int titleHeight = heading.getHeight() + 2 * Look.MARGIN;
        int buttonHeight = line + 2 * Look.PADDING;
        List<String> lines = Text.lines(dialog.text(), font, width - 2 * Look.PADDING);
        int maxLines = Math.max(1, (screen.getHeight() - 2 * INSET - titleHeight - buttonHeight - 3 * Look.PADDING) / line);
        if (lines.size() > maxLines)
            lines = lines.subList(0, maxLines);
        int height = titleHeight + lines.size() * line + buttonHeight + 3 * Look.PADDING;
        int left = INSET;
        int top = Math.max(0, (screen.getHeight() - height) / 2);

        Graphics2D g = screen.createGraphics();
        try {
            Look.fill(g, dialog.background(), left, top, width, height);
            Look.frame(g, left, top, width, height);
            Look.fill(g, TITLE_COLOURS[dialog.type()], left, top, width, titleHeight);
            Look.text(g, heading, Look.TITLE_TEXT, dialog.title(), left + Look.MARGIN, top + Look.MARGIN);
            int y = top + titleHeight + Look.PADDING;
            for (String text : lines) {
                Look.text(g, font, Look.TEXT, text, left + Look.PADDING, y);
                y += line;
            }
            paintButtons(g, dialog, font, left, y + Look.PADDING, width, buttonHeight);
        } finally {
            g.dispose();
        }
    }

    private static void paintButtons(Graphics2D g, Dialog dialog, Font font, int left, int top, int width, int height) {
        int[] buttons = dialog.buttons();
        int each = (width - (buttons.length + 1) * Look.GAP) / buttons.length;
        for (int i = 0; i < buttons.length; ++i) {
            int x = left + Look.GAP + i * (each + Look.GAP);
            Look.fill(g, i == dialog.focus() ? Look.FOCUS : Look.BUTTON, x, top, each, height);
            Look.frame(g, x, top, each, height);
            String label = label(buttons[i]);
            Look.text(g, font, Look.TEXT, label, x + (each - font.stringWidth(label)) / 2, top + Look.PADDING);
        }
    }

    private static String label(int button) {
        switch (button) {
        case Dialog.BUTTON_YES: return "はい";
        case Dialog.BUTTON_NO: return "いいえ";
        case Dialog.BUTTON_CANCEL: return "キャンセル";
        default: return "OK";
        }
    }
}
