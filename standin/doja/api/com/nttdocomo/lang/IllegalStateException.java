//#since DoJa-2.0
package com.nttdocomo.lang;

public class IllegalStateException extends RuntimeException {
    public IllegalStateException() {
    }

    public IllegalStateException(String msg) {
        super(msg);
    }
}
