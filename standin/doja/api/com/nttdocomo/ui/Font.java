package com.nttdocomo.ui;

public class Font {
    public static final int TYPE_DEFAULT = 0;
    public static final int TYPE_HEADING = 1;

    protected Font() {
    }

    public static Font getDefaultFont() {
        return null;
    }

    public static Font getFont(int type) {
        return null;
    }

    public int getAscent() {
        return 0;
    }

    public int getDescent() {
        return 0;
    }

    public int getHeight() {
        return 0;
    }

    public int stringWidth(String str) {
        return 0;
    }
}
