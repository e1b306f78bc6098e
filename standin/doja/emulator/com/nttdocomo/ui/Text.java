package com.nttdocomo.ui;

import java.awt.FontMetrics;
import java.util.ArrayList;
import java.util.List;

/** Text as the emulator sets it: control characters left out, lines broken to a width. */
final class Text {
    private Text() {
    }

    static String printable(String text) {
        StringBuilder kept = null;
        for (int i = 0; i < text.length(); ++i) {
            char c = text.charAt(i);
            if (c < ' ' || c == 0x7f) {
                if (kept == null)
                    kept = new StringBuilder(text.substring(0, i));
            } else if (kept != null) {
                kept.append(c);
            }
        }
        return kept == null ? text : kept.toString();
    }

    /** The text in lines no wider than width, broken at line ends and where a line is full. */
    static List<String> lines(String text, Font font, int width) {
        List<String> lines = new ArrayList<>();
        int start = 0;
        while (start < text.length()) {
            int next = font.getLineBreak(text, start, text.length() - start, width);
            lines.add(printable(text.substring(start, next)));
            start = next;
        }
        if (lines.isEmpty() || text.endsWith("\n"))
            lines.add("");
        return lines;
    }

    static int widest(List<String> lines, FontMetrics metrics) {
        int widest = 0;
        for (String line : lines)
            widest = Math.max(widest, metrics.stringWidth(line));
        return widest;
    }
}
