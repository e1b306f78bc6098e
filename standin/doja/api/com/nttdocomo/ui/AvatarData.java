//#since DoJa-4.1
package com.nttdocomo.ui;

import com.nttdocomo.io.ConnectionException;

public interface AvatarData extends MediaResource {
    //#if DoJa-5.0
    void use(MediaResource overwritten, boolean useOnce) throws ConnectionException, UIException;
    //#endif
}
