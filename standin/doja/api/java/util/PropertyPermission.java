//#since CLDC-1.1
package java.util;

import java.security.Permission;
import java.security.PermissionCollection;

public final class PropertyPermission extends java.security.BasicPermission {
    public PropertyPermission(String name, String actions) {
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
