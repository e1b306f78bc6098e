package com.nttdocomo.ui;

import com.nttdocomo.io.ConnectionException;

public interface MediaSound extends MediaResource {
    //#if DoJa-4.0
    // The listings give no values for these: ours, distinct within each group.
    String AUDIO_3D_RESOURCES = "audio-3d-resources";
    //#endif

    //#if DoJa-5.0
    void use(MediaResource overwritten, boolean useOnce) throws ConnectionException, UIException;
    //#endif
}
