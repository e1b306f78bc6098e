package java.lang;

public class IllegalMonitorStateException extends RuntimeException {
    public IllegalMonitorStateException() {
    }

    public IllegalMonitorStateException(String s) {
        super(s);
    }
}
