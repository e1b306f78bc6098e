package java.lang;

public final class Boolean {
    public Boolean(boolean value) {
    }

    public boolean booleanValue() {
        return false;
    }

    public String toString() {
        return null;
    }

    public int hashCode() {
        return 0;
    }

    public boolean equals(Object obj) {
        return false;
    }

    //#if CLDC-1.1
    public static final Boolean TRUE = new Boolean(true);
    public static final Boolean FALSE = new Boolean(false);
    //#endif
}
