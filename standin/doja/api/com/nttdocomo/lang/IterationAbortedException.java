//#since DoJa-5.0
package com.nttdocomo.lang;

public class IterationAbortedException extends Exception {
    public IterationAbortedException(int index, Throwable cause) {
    }

    public IterationAbortedException(int index, Throwable cause, String msg) {
        super(msg);
    }

    public int getAbortedIndex() {
        return 0;
    }

    public Throwable getCause() {
        return null;
    }
}
