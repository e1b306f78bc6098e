package com.nttdocomo.ui;

import com.nttdocomo.dojaemu.EventThread;

import java.util.concurrent.ScheduledFuture;

/** A timer whose expiry reaches its canvas as TIMER_EXPIRED_EVENT with the timer's id. */
public final class ShortTimer implements com.nttdocomo.util.TimeKeeper {
    private static final int INTERVAL = 10;

    private final Canvas canvas;
    private final int id;
    private final int time;
    private final boolean repeat;
    private ScheduledFuture<?> running;
    private boolean disposed;

    private ShortTimer(Canvas canvas, int id, int time, boolean repeat) {
        this.canvas = canvas;
        this.id = id;
        this.time = time;
        this.repeat = repeat;
    }

    protected ShortTimer() {
        this(null, 0, 0, false);
    }

    public static ShortTimer getShortTimer(Canvas canvas, int id, int time, boolean repeat) {
        if (canvas == null)
            throw new NullPointerException("canvas");
        if (time < 0)
            throw new IllegalArgumentException("time");
        return new ShortTimer(canvas, id, time, repeat);
    }

    public int getMinTimeInterval() {
        return INTERVAL;
    }

    public int getResolution() {
        return INTERVAL;
    }

    public synchronized void start() {
        if (disposed)
            throw new IllegalStateException("このタイマーは破棄されています");
        if (running != null && !running.isDone())
            return;
        running = EventThread.schedule(() -> Handset.current().timerExpired(canvas, id), Math.max(time, INTERVAL), repeat);
    }

    public synchronized void stop() {
        if (running != null)
            running.cancel(false);
        running = null;
    }

    public synchronized void dispose() {
        stop();
        disposed = true;
    }
}
