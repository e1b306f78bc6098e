package java.lang;

import java.io.PrintStream;
public class Throwable {
    public Throwable() {
    }

    public Throwable(String message) {
    }

    public String getMessage() {
        return null;
    }

    public String toString() {
        return null;
    }

    public void printStackTrace() {
    }

    //#if CLDC-1.1
    public void printStackTrace(PrintStream s) {
    }
    //#endif
}
