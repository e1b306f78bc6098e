//#since CLDC-1.1
package java.security;

public abstract class Permission {
    public Permission(String name) {
    }

    public abstract boolean implies(Permission permission);

    public abstract boolean equals(Object obj);

    public abstract int hashCode();

    public final String getName() {
        return null;
    }

    public abstract String getActions();

    public PermissionCollection newPermissionCollection() {
        return null;
    }

    public String toString() {
        return null;
    }
}
