package com.nttdocomo.lang;

/** Text the application can show and pass on without reading it. */
public final class XString extends XObject {
    final String text;

    public XString(String str) {
        if (str == null)
            throw new NullPointerException("str");
        text = str;
    }

    private XString() {
        text = "";
    }

    public int length() {
        return text.length();
    }

    public XString concat(XString xStr) {
        if (xStr == null)
            throw new NullPointerException("xStr");
        return new XString(text + xStr.text);
    }
}
