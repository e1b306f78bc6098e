package com.nttdocomo.net;

import java.io.ByteArrayOutputStream;
import java.nio.charset.Charset;

/** The reverse of URLEncoder: + is a blank, %XX a byte, the bytes read in Windows-31J as the pages are. */
public class URLDecoder {
    static final Charset CODE_PAGE = Charset.forName("Windows-31J");

    private URLDecoder() {
    }

    public static String decode(String str) {
        if (str == null)
            throw new NullPointerException("str");
        ByteArrayOutputStream bytes = new ByteArrayOutputStream();
        for (int i = 0; i < str.length(); ++i) {
            char c = str.charAt(i);
            if (c == '+') {
                bytes.write(' ');
            } else if (c == '%' && hex(str, i + 1) >= 0) {
                bytes.write(hex(str, i + 1));
                i += 2;
            } else {
                byte[] own = String.valueOf(c).getBytes(CODE_PAGE);
                bytes.write(own, 0, own.length);
            }
        }
        return new String(bytes.toByteArray(), CODE_PAGE);
    }

    private static int hex(String str, int at) {
        if (at + 1 >= str.length())
            return -1;
        int high = Character.digit(str.charAt(at), 16);
        int low = Character.digit(str.charAt(at + 1), 16);
        return high < 0 || low < 0 ? -1 : high * 16 + low;
    }
}
