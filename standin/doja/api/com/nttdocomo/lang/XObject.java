//#since DoJa-3.0
package com.nttdocomo.lang;

public abstract class XObject {
    public boolean equals(Object obj) {
        return false;
    }

    public int hashCode() {
        return 0;
    }

    public String toString() {
        return null;
    }

    XObject() {
    }
}
