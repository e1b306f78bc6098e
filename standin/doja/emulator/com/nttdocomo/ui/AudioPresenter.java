package com.nttdocomo.ui;

import com.nttdocomo.dojaemu.EventThread;

import java.util.concurrent.ScheduledFuture;
import javax.sound.midi.Sequencer;

/**
 * Plays a sound: MIDI through the desktop's synthesiser when one can play,
 * silently otherwise; either way the listener hears AUDIO_PLAYING at the
 * start and AUDIO_COMPLETE when the sound's time has run out, on the
 * application's event thread. LOOP_COUNT is read as the number of times the
 * sound plays in all, 0 for without end.
 */
public class AudioPresenter implements MediaPresenter {
    public static final int AUDIO_PLAYING = 1;
    public static final int AUDIO_STOPPED = 2;
    public static final int AUDIO_COMPLETE = 3;
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
    public static final int CHANGE_TEMPO = 5;
    public static final int SET_VOLUME = 4;
    public static final int TRANSPOSE_KEY = 3;
    public static final int AUDIO_LOOPED = 7;
    public static final int LOOP_COUNT = 6;

    private MediaResource resource;
    private LoadedSound sound;
    private MediaListener listener;
    private int loopCount = 1;
    private int loopsLeft;
    private boolean playing;
    private long startedAt;
    private int startedFrom;
    private int pausedAt = -1;
    private int round;
    private ScheduledFuture<?> ending;
    private Sequencer sequencer;

    protected AudioPresenter() {
    }

    public static AudioPresenter getAudioPresenter() {
        return new AudioPresenter();
    }

    public static AudioPresenter getAudioPresenter(int port) {
        if (port < 0)
            throw new IllegalArgumentException("port");
        return new AudioPresenter();
    }

    public static AudioTrackPresenter getAudioTrackPresenter() {
        return new AudioTrackPresenter();
    }

    public Audio3D getAudio3D() {
        return null;
    }

    public MediaResource getMediaResource() {
        return resource;
    }

    public synchronized void setSound(MediaSound sound) {
        take(sound);
    }

    public synchronized void setData(MediaData data) {
        take(data);
    }

    private void take(MediaResource given) {
        halt();
        resource = given;
        sound = given instanceof LoadedSound ? (LoadedSound) given : null;
    }

    public void setMediaListener(MediaListener listener) {
        this.listener = listener;
    }

    public synchronized void setAttribute(int attr, int value) {
        if (attr == LOOP_COUNT) {
            if (value < 0)
                throw new IllegalArgumentException("value");
            loopCount = value;
        }
    }

    public void play() {
        play(0);
    }

    public synchronized void play(int time) {
        if (resource == null)
            throw new UIException(UIException.ILLEGAL_STATE, "音が設定されていません");
        if (sound != null && !sound.isUsed())
            throw new UIException(UIException.ILLEGAL_STATE, sound.name() + " は use() されていません");
        if (time < 0)
            throw new IllegalArgumentException("time");
        halt();
        loopsLeft = loopCount;
        begin(Math.min(time, duration()));
        tell(AUDIO_PLAYING);
    }

    private void begin(int from) {
        if (sound != null && sound.sequence() != null) {
            if (sequencer == null)
                sequencer = MidiOut.open();
            if (sequencer != null)
                MidiOut.play(sequencer, sound.sequence(), from);
        }
        playing = true;
        pausedAt = -1;
        startedFrom = from;
        startedAt = System.currentTimeMillis();
        final int thisRound = ++round;
        ending = EventThread.schedule(() -> ended(thisRound), duration() - from, false);
    }

    private synchronized void ended(int thisRound) {
        if (thisRound != round || !playing)
            return;
        if (loopCount == 0 || --loopsLeft > 0) {
            begin(0);
            tell(AUDIO_LOOPED);
            return;
        }
        halt();
        tell(AUDIO_COMPLETE);
    }

    public synchronized void stop() {
        boolean wasOn = playing || pausedAt >= 0;
        halt();
        if (wasOn)
            tell(AUDIO_STOPPED);
    }

    public synchronized void pause() {
        if (!playing)
            return;
        int at = getCurrentTime();
        halt();
        pausedAt = at;
        tell(AUDIO_PAUSED);
    }

    public synchronized int getCurrentTime() {
        if (playing)
            return (int) Math.min(duration(), startedFrom + System.currentTimeMillis() - startedAt);
        return Math.max(0, pausedAt);
    }

    public synchronized int getTotalTime() {
        return duration();
    }

    private int duration() {
        return sound == null || !sound.isUsed() ? 0 : sound.durationMillis();
    }

    // Ends the playing without telling the listener.
    private void halt() {
        ++round;
        playing = false;
        pausedAt = -1;
        if (ending != null)
            ending.cancel(false);
        ending = null;
        if (sequencer != null && sequencer.isRunning())
            sequencer.stop();
    }

    private void tell(final int type) {
        final MediaListener told = listener;
        if (told != null)
            EventThread.post(() -> told.mediaAction(this, type, 0));
    }
}
