//#since DoJa-3.0
package com.nttdocomo.util;

public class MessageDigest {
    public byte[] digest() {
        return null;
    }

    public byte[] digest(byte[] buf) {
        return null;
    }

    public int digest(byte[] buf, int off, int len) {
        return 0;
    }

    public String getAlgorithm() {
        return null;
    }

    public int getDigestLength() {
        return 0;
    }

    public static MessageDigest getInstance(String algorithm) {
        return null;
    }

    public static boolean isEqual(byte[] src, byte[] dst) {
        return false;
    }

    public void reset() {
    }

    public String toString() {
        return null;
    }

    public void update(byte input) {
    }

    public void update(byte[] buf) {
    }

    public void update(byte[] buf, int off, int len) {
    }

    private MessageDigest() {
    }
}
