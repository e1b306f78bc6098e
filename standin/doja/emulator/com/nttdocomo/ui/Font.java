package com.nttdocomo.ui;

import java.awt.FontMetrics;
import java.awt.image.BufferedImage;

/** A font of the machine standing in for the handset's. */
public class Font {
    public static final int TYPE_DEFAULT = 0;
    public static final int TYPE_HEADING = 1;

    private static final Font DEFAULT = new Font(new java.awt.Font(java.awt.Font.DIALOG, java.awt.Font.PLAIN, 12));
    private static final Font HEADING = new Font(new java.awt.Font(java.awt.Font.DIALOG, java.awt.Font.BOLD, 16));

    private final java.awt.Font awtFont;
    private final FontMetrics metrics;

    protected Font() {
        this(DEFAULT.awtFont);
    }

    private Font(java.awt.Font awtFont) {
        this.awtFont = awtFont;
        BufferedImage scratch = new BufferedImage(1, 1, BufferedImage.TYPE_INT_RGB);
        java.awt.Graphics g = scratch.getGraphics();
        metrics = g.getFontMetrics(awtFont);
        g.dispose();
    }

    public static Font getDefaultFont() {
        return DEFAULT;
    }

    public static Font getFont(int type) {
        if (type == TYPE_DEFAULT)
            return DEFAULT;
        if (type == TYPE_HEADING)
            return HEADING;
        throw new IllegalArgumentException("フォントの種類 " + type + " はありません");
    }

    public int getAscent() {
        return metrics.getAscent();
    }

    public int getDescent() {
        return metrics.getDescent();
    }

    public int getHeight() {
        return metrics.getAscent() + metrics.getDescent();
    }

    public int stringWidth(String str) {
        return metrics.stringWidth(str);
    }

    java.awt.Font awtFont() {
        return awtFont;
    }
}
