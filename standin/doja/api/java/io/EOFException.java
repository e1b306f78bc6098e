package java.io;

public class EOFException extends IOException {
    public EOFException() {
    }

    public EOFException(String s) {
        super(s);
    }
}
