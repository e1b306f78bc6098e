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
}
