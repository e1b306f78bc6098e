//#since DoJa-3.5
package com.nttdocomo.util;

public class Base64 {
    public static byte[] decode(byte[] bytes) {
        return null;
    }

    public static byte[] decode(byte[] bytes, int off, int len) {
        return null;
    }

    public static byte[] decode(String str) {
        return null;
    }

    public static String encode(byte[] bytes) {
        return null;
    }

    public static String encode(byte[] bytes, int off, int len) {
        return null;
    }

    public static String encode(String str) {
        return null;
    }

    private Base64() {
    }
}
