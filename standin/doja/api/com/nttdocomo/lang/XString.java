//#since DoJa-3.0
package com.nttdocomo.lang;

public final class XString extends XObject {
    //#if DoJa-4.1
    public XString(String str) {
    }
    //#endif

    public int length() {
        return 0;
    }

    //#if DoJa-4.1
    public XString concat(XString xStr) {
        return null;
    }
    //#endif

    private XString() {
    }
}
