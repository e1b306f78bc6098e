package com.nttdocomo.net;

public class URLEncoder {
    public static String encode(String str) {
        return null;
    }

    private URLEncoder() {
    }
}
