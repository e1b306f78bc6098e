//#since CLDC-1.1
package java.security;

public final class AccessController {
    public static void checkPermission(Permission perm) throws AccessControlException {
    }

    private AccessController() {
    }
}
