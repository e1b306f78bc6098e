package com.nttdocomo.net;

/** The text in Windows-31J: letters, digits and . - * _ stay, a blank becomes +, any other byte %XX. */
public class URLEncoder {
    private URLEncoder() {
    }

    public static String encode(String str) {
        if (str == null)
            throw new NullPointerException("str");
        StringBuilder encoded = new StringBuilder();
        for (byte b : str.getBytes(URLDecoder.CODE_PAGE)) {
            int c = b & 0xff;
            if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || ".-*_".indexOf(c) >= 0)
                encoded.append((char) c);
            else if (c == ' ')
                encoded.append('+');
            else
                encoded.append('%').append(Character.toUpperCase(Character.forDigit(c >> 4, 16)))
                       .append(Character.toUpperCase(Character.forDigit(c & 0xf, 16)));
        }
        return encoded.toString();
    }
}
