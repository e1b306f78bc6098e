package com.nttdocomo.ui;

import com.nttdocomo.lang.XString;
import com.nttdocomo.lang.XStrings;

import java.awt.FontMetrics;
import java.awt.image.BufferedImage;

/**
 * A font of the machine standing in for the handset's. getFont takes
 * TYPE_DEFAULT, TYPE_HEADING, or FACE_, STYLE_ and SIZE_ values or-ed together.
 */
public class Font {
    public static final int FACE_SYSTEM = 1895825408;
    public static final int FACE_MONOSPACE = 1912602624;
    public static final int FACE_PROPORTIONAL = 1929379840;
    public static final int STYLE_PLAIN = 1880096768;
    public static final int STYLE_BOLD = 1880162304;
    public static final int STYLE_ITALIC = 1880227840;
    public static final int STYLE_BOLDITALIC = 1880293376;
    public static final int SIZE_MEDIUM = 1879048704;
    public static final int SIZE_SMALL = 1879048448;
    public static final int SIZE_LARGE = 1879048960;
    public static final int TYPE_DEFAULT = 0;
    public static final int TYPE_HEADING = 1;
    public static final int SIZE_TINY = 1879049216;

    private static final int[] SIZES = {8, 10, 12, 16, 20, 24};
    private static final int MEDIUM = 12;
    private static final Font DEFAULT = new Font(java.awt.Font.DIALOG, java.awt.Font.PLAIN, MEDIUM);
    private static final Font HEADING = new Font(java.awt.Font.DIALOG, java.awt.Font.BOLD, 16);
    private static Font defaultFont = DEFAULT;

    private final java.awt.Font awtFont;
    private final FontMetrics metrics;

    protected Font() {
        this(java.awt.Font.DIALOG, java.awt.Font.PLAIN, MEDIUM);
    }

    private Font(String face, int style, int size) {
        awtFont = new java.awt.Font(face, style, size);
        BufferedImage scratch = new BufferedImage(1, 1, BufferedImage.TYPE_INT_RGB);
        java.awt.Graphics g = scratch.getGraphics();
        metrics = g.getFontMetrics(awtFont);
        g.dispose();
    }

    public static Font getDefaultFont() {
        return defaultFont;
    }

    public static void setDefaultFont(Font f) {
        if (f == null)
            throw new NullPointerException("f");
        defaultFont = f;
    }

    public static Font getFont(int type) {
        return getFont(type, -1);
    }

    public static Font getFont(int type, int fontSize) {
        if (type == TYPE_DEFAULT)
            return fontSize < 0 ? DEFAULT : new Font(java.awt.Font.DIALOG, java.awt.Font.PLAIN, fontSize);
        if (type == TYPE_HEADING)
            return fontSize < 0 ? HEADING : new Font(java.awt.Font.DIALOG, java.awt.Font.BOLD, fontSize);
        if ((type >>> 28) != 7)
            throw new IllegalArgumentException("フォントの種類 " + type + " はありません");
        int face = (type >>> 24) & 0xf;
        int style = (type >>> 16) & 0xff;
        int size = (type >>> 8) & 0xff;
        String family = face == 2 ? java.awt.Font.MONOSPACED : java.awt.Font.DIALOG;
        int awtStyle = style == 0x12 ? java.awt.Font.BOLD : style == 0x13 ? java.awt.Font.ITALIC
                     : style == 0x14 ? java.awt.Font.BOLD | java.awt.Font.ITALIC : java.awt.Font.PLAIN;
        int pixels = fontSize >= 0 ? fontSize : size == 1 ? 10 : size == 3 ? 16 : size == 4 ? 8 : MEDIUM;
        return new Font(family, awtStyle, pixels);
    }

    public static int[] getSupportedFontSizes() {
        return SIZES.clone();
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
        if (str == null)
            throw new NullPointerException("str");
        return metrics.stringWidth(Text.printable(str));
    }

    public int stringWidth(XString xStr) {
        return stringWidth(XStrings.text(xStr));
    }

    public int stringWidth(XString xStr, int off, int len) {
        return stringWidth(slice(XStrings.text(xStr), off, len));
    }

    public int getBBoxWidth(String str) {
        return stringWidth(str);
    }

    public int getBBoxWidth(XString xStr) {
        return stringWidth(xStr);
    }

    public int getBBoxWidth(XString xStr, int off, int len) {
        return stringWidth(xStr, off, len);
    }

    public int getBBoxHeight(String str) {
        if (str == null)
            throw new NullPointerException("str");
        return getHeight();
    }

    public int getBBoxHeight(XString xStr) {
        return getBBoxHeight(XStrings.text(xStr));
    }

    /**
     * Where the next line starts when the len characters from off are set in
     * lines of the given width: after a line end, else after the last
     * character that fits, and always at least one character on.
     */
    public int getLineBreak(String str, int off, int len, int width) {
        if (str == null)
            throw new NullPointerException("str");
        if (off < 0 || len < 0 || off + len > str.length())
            throw new StringIndexOutOfBoundsException("off, len");
        int end = off + len;
        int used = 0;
        for (int i = off; i < end; ++i) {
            char c = str.charAt(i);
            if (c == '\n')
                return i + 1;
            used += metrics.charWidth(c);
            if (used > width)
                return Math.max(i, off + 1);
        }
        return end;
    }

    public int getLineBreak(XString xStr, int off, int len, int width) {
        return getLineBreak(XStrings.text(xStr), off, len, width);
    }

    private static String slice(String text, int off, int len) {
        if (off < 0 || len < 0 || off + len > text.length())
            throw new StringIndexOutOfBoundsException("off, len");
        return text.substring(off, off + len);
    }

    java.awt.Font awtFont() {
        return awtFont;
    }

    FontMetrics metrics() {
        return metrics;
    }
}
