//#since CLDC-1.1
package java.lang;

public final class Float {
    public static final float POSITIVE_INFINITY = 1.0f / 0.0f;
    public static final float NEGATIVE_INFINITY = -1.0f / 0.0f;
    public static final float NaN = 0.0f / 0.0f;
    public static final float MAX_VALUE = 3.4028235e+38f;
    public static final float MIN_VALUE = 1.4e-45f;


    public Float(float value) {
    }

    public Float(double value) {
    }

    public static String toString(float f) {
        return null;
    }

    public static Float valueOf(String s) throws NumberFormatException {
        return null;
    }

    public static float parseFloat(String s) throws NumberFormatException {
        return 0;
    }

    public static boolean isNaN(float v) {
        return false;
    }

    public static boolean isInfinite(float v) {
        return false;
    }

    public boolean isNaN() {
        return false;
    }

    public boolean isInfinite() {
        return false;
    }

    public String toString() {
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

    public float floatValue() {
        return 0;
    }

    public double doubleValue() {
        return 0;
    }

    public int hashCode() {
        return 0;
    }

    public boolean equals(Object obj) {
        return false;
    }

    public static int floatToIntBits(float value) {
        return 0;
    }

    public static float intBitsToFloat(int bits) {
        return 0;
    }
}
