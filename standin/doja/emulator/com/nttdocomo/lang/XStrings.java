package com.nttdocomo.lang;

/** The emulator's own way into an XString's text, for drawing it. */
public final class XStrings {
    private XStrings() {
    }

    public static String text(XString xStr) {
        if (xStr == null)
            throw new NullPointerException("xStr");
        return xStr.text;
    }

    public static XString of(String text) {
        return new XString(text);
    }
}
