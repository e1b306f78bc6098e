//#since CLDC-1.1
package java.lang;

public class NoClassDefFoundError extends Error {
    public NoClassDefFoundError() {
    }

    public NoClassDefFoundError(String s) {
        super(s);
    }
}
