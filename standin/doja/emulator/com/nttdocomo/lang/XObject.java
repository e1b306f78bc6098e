package com.nttdocomo.lang;

/** A value whose content the application may hand on but not read. */
public abstract class XObject {
    XObject() {
    }

    public boolean equals(Object obj) {
        return super.equals(obj);
    }

    public int hashCode() {
        return super.hashCode();
    }

    public String toString() {
        return super.toString();
    }
}
