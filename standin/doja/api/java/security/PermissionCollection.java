//#since CLDC-1.1
package java.security;

import java.util.Enumeration;

public abstract class PermissionCollection {
    public PermissionCollection() {
    }

    public abstract void add(Permission permission);

    public abstract boolean implies(Permission permission);

    public abstract Enumeration elements();

    public void setReadOnly() {
    }

    public boolean isReadOnly() {
        return false;
    }

    public String toString() {
        return null;
    }
}
