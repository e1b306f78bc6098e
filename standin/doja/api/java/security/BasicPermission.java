//#since CLDC-1.1
package java.security;

public abstract class BasicPermission extends Permission {
    public BasicPermission(String name) {
        super(name);
    }

    public BasicPermission(String name, String actions) {
        super(name);
    }

    public boolean implies(Permission p) {
        return false;
    }

    public boolean equals(Object obj) {
        return false;
    }

    public int hashCode() {
        return 0;
    }

    public String getActions() {
        return null;
    }

    public PermissionCollection newPermissionCollection() {
        return null;
    }
}
