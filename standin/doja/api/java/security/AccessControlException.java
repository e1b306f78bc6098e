//#since CLDC-1.1
package java.security;

public class AccessControlException extends SecurityException {
    public AccessControlException(String s) {
        super(s);
    }

    public AccessControlException(String s, Permission p) {
        super(s);
    }

    public Permission getPermission() {
        return null;
    }
}
