package com.nttdocomo.net;

public class URLDecoder {
    public static String decode(String str) {
        return null;
    }

    private URLDecoder() {
    }
}
