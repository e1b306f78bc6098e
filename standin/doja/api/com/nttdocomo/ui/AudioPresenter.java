package com.nttdocomo.ui;

public class AudioPresenter implements MediaPresenter {
    public static final int AUDIO_PLAYING = 1;
    public static final int AUDIO_STOPPED = 2;
    public static final int AUDIO_COMPLETE = 3;
    //#if DoJa-2.0
    // The listings give no values for these: ours, distinct within each group.
    public static final int ATTR_SYNC_OFF = 0;
    public static final int ATTR_SYNC_ON = 1;
    public static final int AUDIO_PAUSED = 4;
    public static final int AUDIO_RESTARTED = 5;
    public static final int AUDIO_SYNC = 6;
    public static final int MAX_OPTION_ATTR = 63;
    public static final int MAX_PRIORITY = 10;
    protected static final int MAX_VENDOR_ATTR = 127;
    protected static final int MAX_VENDOR_AUDIO_EVENT = 127;
    public static final int MIN_OPTION_ATTR = 32;
    public static final int MIN_PRIORITY = 1;
    protected static final int MIN_VENDOR_ATTR = 64;
    protected static final int MIN_VENDOR_AUDIO_EVENT = 64;
    public static final int NORM_PRIORITY = 5;
    public static final int PRIORITY = 1;
    public static final int SYNC_MODE = 2;
    //#endif
    //#if DoJa-3.0
    public static final int CHANGE_TEMPO = 5;
    public static final int SET_VOLUME = 4;
    public static final int TRANSPOSE_KEY = 3;
    //#endif
    //#if DoJa-5.0
    public static final int AUDIO_LOOPED = 7;
    public static final int LOOP_COUNT = 6;
    //#endif

    protected AudioPresenter() {
    }

    public static AudioPresenter getAudioPresenter() {
        return null;
    }

    public MediaResource getMediaResource() {
        return null;
    }

    public void play() {
    }

    public void stop() {
    }

    public void setData(MediaData data) {
    }

    public void setSound(MediaSound sound) {
    }

    public void setAttribute(int attr, int value) {
    }

    public void setMediaListener(MediaListener listener) {
    }

    //#if DoJa-2.0
    public int getCurrentTime() {
        return 0;
    }

    public void pause() {
    }

    public void play(int time) {
    }
    //#endif

    //#if DoJa-3.0
    public static AudioPresenter getAudioPresenter(int port) {
        return null;
    }
    //#endif

    //#if DoJa-4.0
    public Audio3D getAudio3D() {
        return null;
    }
    //#endif

    //#if DoJa-5.0
    public static AudioTrackPresenter getAudioTrackPresenter() {
        return null;
    }

    public int getTotalTime() {
        return 0;
    }
    //#endif
}
