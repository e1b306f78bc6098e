package com.nttdocomo.ui;

import com.nttdocomo.io.ConnectionException;

import java.io.InputStream;

/**
 * Media from a location ("resource:///name.gif", "scratchpad:///0;pos=8",
 * "http://..."), from bytes or from a stream, each read when used.
 */
public final class MediaManager {
    private MediaManager() {
    }

    public static final MediaImage getImage(String location) {
        return new LoadedImage(MediaSource.of(location));
    }

    public static MediaImage getImage(byte[] data) {
        return new LoadedImage(MediaSource.of(data));
    }

    public static MediaImage getImage(InputStream in) {
        return new LoadedImage(MediaSource.of(in));
    }

    public static MediaImage getStreamingImage(String location, String mimetype) {
        return getImage(location);
    }

    public static MediaImage createMediaImage(int width, int height) {
        return new LoadedImage(Image.createImage(width, height));
    }

    public static final MediaSound getSound(String location) {
        return new LoadedSound(MediaSource.of(location));
    }

    public static MediaSound getSound(byte[] data) {
        return new LoadedSound(MediaSource.of(data));
    }

    public static MediaSound getSound(InputStream in) {
        return new LoadedSound(MediaSource.of(in));
    }

    public static MediaSound createMediaSound(int bytes) {
        if (bytes < 0)
            throw new IllegalArgumentException("bytes");
        return new LoadedSound(MediaSource.of(new byte[bytes]));
    }

    public static final MediaData getData(String location) {
        return new LoadedSound(MediaSource.of(location));
    }

    public static MediaData getData(byte[] data) {
        return new LoadedSound(MediaSource.of(data));
    }

    public static MediaData getData(InputStream in) {
        return new LoadedSound(MediaSource.of(in));
    }

    public static AvatarData getAvatarData(String location) {
        return new Avatar(MediaSource.of(location));
    }

    public static AvatarData getAvatarData(byte[] data) {
        return new Avatar(MediaSource.of(data));
    }

    public static AvatarData getAvatarData(InputStream in) {
        return new Avatar(MediaSource.of(in));
    }

    public static void use(MediaImage[] images, boolean useOnce) {
        useAll(images);
    }

    public static void use(MediaSound[] sounds, boolean useOnce) {
        useAll(sounds);
    }

    private static void useAll(MediaResource[] resources) {
        if (resources == null)
            throw new NullPointerException("resources");
        for (MediaResource resource : resources) {
            try {
                resource.use();
            } catch (ConnectionException e) {
                throw new UIException(UIException.NO_RESOURCES, e.getMessage());
            }
        }
    }

    // Avatar data is kept as bytes; the emulator shows no avatars.
    private static final class Avatar implements AvatarData {
        private final MediaSource source;
        private byte[] data;

        Avatar(MediaSource source) {
            this.source = source;
        }

        public void use() throws ConnectionException {
            data = source.read();
        }

        public void use(MediaResource overwritten, boolean useOnce) throws ConnectionException {
            use();
        }

        public void unuse() {
            data = null;
        }

        public void dispose() {
            data = null;
        }
    }
}
