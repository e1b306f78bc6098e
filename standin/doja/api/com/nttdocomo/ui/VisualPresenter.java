package com.nttdocomo.ui;

public class VisualPresenter extends Component implements MediaPresenter {
    public static final int IMAGE_XPOS = 1;
    public static final int IMAGE_YPOS = 2;
    public static final int VISUAL_COMPLETE = 3;
    public static final int VISUAL_PLAYING = 1;
    public static final int VISUAL_STOPPED = 2;
    //#if DoJa-2.0
    // The listings give no values for these: ours, distinct within each group.
    protected static final int MAX_VENDOR_ATTR = 127;
    protected static final int MAX_VENDOR_VISUAL_EVENT = 127;
    protected static final int MIN_VENDOR_ATTR = 64;
    protected static final int MIN_VENDOR_VISUAL_EVENT = 64;
    //#endif
    //#if DoJa-3.5
    public static final int ATTR_AUDIO_OFF = 0;
    public static final int ATTR_AUDIO_ON = 1;
    public static final int ATTR_FORCE_INLINE_PLAYER = 2;
    public static final int ATTR_FORCE_NATIVE_PLAYER = 3;
    public static final int ATTR_PREFER_INLINE_PLAYER = 0;
    public static final int ATTR_PREFER_NATIVE_PLAYER = 1;
    public static final int AUDIO_MODE = 3;
    public static final int PLAYER_MODE = 4;
    //#endif
    //#if DoJa-5.0
    public static final int ATTR_FORCE_FULLSCREEN_PLAYER = 5;
    public static final int ATTR_PREFER_FULLSCREEN_PLAYER = 4;
    //#endif

    public VisualPresenter() {
    }

    public void setData(MediaData data) {
    }

    public void setImage(MediaImage mediaImage) {
    }

    public MediaResource getMediaResource() {
        return null;
    }

    public void play() {
    }

    public void stop() {
    }

    public void setAttribute(int attr, int val) {
    }

    public void setMediaListener(MediaListener listener) {
    }
}
