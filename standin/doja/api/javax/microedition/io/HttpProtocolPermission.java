//#since CLDC-1.1
package javax.microedition.io;

import java.security.Permission;
import java.security.PermissionCollection;

public final class HttpProtocolPermission extends GCFPermission {
    public HttpProtocolPermission(String uri) {
        super(uri);
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
