package com.nttdocomo.ui;

//#if DoJa-3.0
import com.nttdocomo.lang.XString;
//#endif

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
    //#if DoJa-3.0
    // The listings give no values for these: ours, distinct within each group.
    public static final int SIZE_TINY = 1879049216;
    //#endif

    protected Font() {
    }

    public static Font getDefaultFont() {
        return null;
    }

    public static Font getFont(int type) {
        return null;
    }

    public int getLineBreak(String str, int off, int len, int width) {
        return 0;
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

    public int getBBoxHeight(String str) {
        return 0;
    }

    public int getBBoxWidth(String str) {
        return 0;
    }

    public int stringWidth(String str) {
        return 0;
    }

    //#if DoJa-3.0
    public int getBBoxHeight(XString xStr) {
        return 0;
    }

    public int getBBoxWidth(XString xStr) {
        return 0;
    }

    public int getBBoxWidth(XString xStr, int off, int len) {
        return 0;
    }

    public int getLineBreak(XString xStr, int off, int len, int width) {
        return 0;
    }

    public static void setDefaultFont(Font f) {
    }

    public int stringWidth(XString xStr) {
        return 0;
    }

    public int stringWidth(XString xStr, int off, int len) {
        return 0;
    }
    //#endif

    //#if DoJa-5.0
    public static Font getFont(int type, int fontSize) {
        return null;
    }

    public static int[] getSupportedFontSizes() {
        return null;
    }
    //#endif
}
