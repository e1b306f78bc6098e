package java.lang;

public final class StringBuffer {
    public StringBuffer() {
    }

    public StringBuffer(int length) {
    }

    public StringBuffer(String str) {
    }

    public synchronized int length() {
        return 0;
    }

    public synchronized int capacity() {
        return 0;
    }

    public synchronized void ensureCapacity(int minimumCapacity) {
    }

    public synchronized void setLength(int newLength) {
    }

    public synchronized char charAt(int index) {
        return 0;
    }

    public synchronized void getChars(int srcBegin, int srcEnd, char[] dst, int dstBegin) {
    }

    public synchronized void setCharAt(int index, char ch) {
    }

    public synchronized StringBuffer append(Object obj) {
        return this;
    }

    public synchronized StringBuffer append(String str) {
        return this;
    }

    public synchronized StringBuffer append(char[] str) {
        return this;
    }

    public synchronized StringBuffer append(char[] str, int offset, int len) {
        return this;
    }

    public synchronized StringBuffer append(boolean b) {
        return this;
    }

    public synchronized StringBuffer append(char c) {
        return this;
    }

    public synchronized StringBuffer append(int i) {
        return this;
    }

    public synchronized StringBuffer append(long l) {
        return this;
    }

    public synchronized StringBuffer delete(int start, int end) {
        return this;
    }

    public synchronized StringBuffer deleteCharAt(int index) {
        return this;
    }

    public synchronized StringBuffer insert(int offset, Object obj) {
        return this;
    }

    public synchronized StringBuffer insert(int offset, String str) {
        return this;
    }

    public synchronized StringBuffer insert(int offset, char[] str) {
        return this;
    }

    public synchronized StringBuffer insert(int offset, boolean b) {
        return this;
    }

    public synchronized StringBuffer insert(int offset, char c) {
        return this;
    }

    public synchronized StringBuffer insert(int offset, int i) {
        return this;
    }

    public synchronized StringBuffer insert(int offset, long l) {
        return this;
    }

    public synchronized StringBuffer reverse() {
        return this;
    }

    public String toString() {
        return null;
    }

    //#if CLDC-1.1
    public StringBuffer append(float f) {
        return null;
    }

    public StringBuffer append(double d) {
        return null;
    }

    public StringBuffer insert(int offset, float f) {
        return null;
    }

    public StringBuffer insert(int offset, double d) {
        return null;
    }
    //#endif
}
