//#since DoJa-3.0
package com.nttdocomo.util;

public class JarFormatException extends Exception {
    public JarFormatException() {
    }

    public JarFormatException(String msg) {
        super(msg);
    }
}
