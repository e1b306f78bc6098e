package com.nttdocomo.util;

import java.nio.charset.Charset;

/** Base64 with the standard alphabet and padding; text goes in as Windows-31J bytes. */
public class Base64 {
    private static final Charset CODE_PAGE = Charset.forName("Windows-31J");

    private Base64() {
    }

    public static String encode(byte[] bytes) {
        return encode(bytes, 0, bytes.length);
    }

    public static String encode(byte[] bytes, int off, int len) {
        if (off < 0 || len < 0 || off + len > bytes.length)
            throw new ArrayIndexOutOfBoundsException("off, len");
        byte[] part = new byte[len];
        System.arraycopy(bytes, off, part, 0, len);
        return java.util.Base64.getEncoder().encodeToString(part);
    }

    public static String encode(String str) {
        return encode(str.getBytes(CODE_PAGE));
    }

    public static byte[] decode(byte[] bytes) {
        return decode(bytes, 0, bytes.length);
    }

    public static byte[] decode(byte[] bytes, int off, int len) {
        if (off < 0 || len < 0 || off + len > bytes.length)
            throw new ArrayIndexOutOfBoundsException("off, len");
        byte[] part = new byte[len];
        System.arraycopy(bytes, off, part, 0, len);
        return java.util.Base64.getMimeDecoder().decode(part);
    }

    public static byte[] decode(String str) {
        return java.util.Base64.getMimeDecoder().decode(str);
    }
}
