package com.nttdocomo.ui;

public final class MediaManager {
    public static final MediaData getData(String location) {
        return null;
    }

    public static final MediaImage getImage(String location) {
        return null;
    }

    public static final MediaSound getSound(String location) {
        return null;
    }

    //#if DoJa-3.0
    public static MediaData getData(byte[] data) {
        return null;
    }

    public static MediaData getData(java.io.InputStream in) {
        return null;
    }

    public static MediaImage getImage(byte[] data) {
        return null;
    }

    public static MediaImage getImage(java.io.InputStream in) {
        return null;
    }

    public static MediaSound getSound(byte[] data) {
        return null;
    }

    public static MediaSound getSound(java.io.InputStream in) {
        return null;
    }
    //#endif

    //#if DoJa-3.5
    public static MediaImage getStreamingImage(String location, String mimetype) {
        return null;
    }
    //#endif

    //#if DoJa-4.1
    public static AvatarData getAvatarData(byte[] data) {
        return null;
    }

    public static AvatarData getAvatarData(java.io.InputStream in) {
        return null;
    }

    public static AvatarData getAvatarData(String location) {
        return null;
    }
    //#endif

    //#if DoJa-5.0
    public static MediaImage createMediaImage(int width, int height) {
        return null;
    }

    public static MediaSound createMediaSound(int bytes) {
        return null;
    }

    public static void use(MediaImage[] images, boolean useOnce) {
    }

    public static void use(MediaSound[] sounds, boolean useOnce) {
    }
    //#endif

    private MediaManager() {
    }
}
