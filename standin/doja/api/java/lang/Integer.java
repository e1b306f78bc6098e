package java.lang;

public final class Integer {
    public static final int MIN_VALUE = 0x80000000;
    public static final int MAX_VALUE = 0x7fffffff;

    public Integer(int value) {
    }

    public static String toString(int i, int radix) {
        return null;
    }

    public static String toHexString(int i) {
        return null;
    }

    public static String toOctalString(int i) {
        return null;
    }

    public static String toBinaryString(int i) {
        return null;
    }

    public static String toString(int i) {
        return null;
    }

    public static int parseInt(String s, int radix) throws NumberFormatException {
        return 0;
    }

    public static int parseInt(String s) throws NumberFormatException {
        return 0;
    }

    public static Integer valueOf(String s, int radix) throws NumberFormatException {
        return null;
    }

    public static Integer valueOf(String s) throws NumberFormatException {
        return null;
    }

    public byte byteValue() {
        return 0;
    }

    public short shortValue() {
        return 0;
    }

    public int intValue() {
        return 0;
    }

    public long longValue() {
        return 0;
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
    public float floatValue() {
        return 0;
    }

    public double doubleValue() {
        return 0;
    }
    //#endif
}
