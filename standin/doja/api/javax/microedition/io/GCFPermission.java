//#since CLDC-1.1
package javax.microedition.io;

import java.security.Permission;

public abstract class GCFPermission extends java.security.Permission {
    public GCFPermission(String uri) {
        super(uri);
    }

    public String getURI() {
        return null;
    }

    public String getProtocol() {
        return null;
    }
}
