package com.nttdocomo.util;

import com.nttdocomo.dojaemu.EventThread;

import java.util.concurrent.ScheduledFuture;

/** A timer whose expiry reaches its listener on the application's event thread. */
public final class Timer implements TimeKeeper {
    private static final int INTERVAL = 10;

    private int time;
    private boolean repeat;
    private TimerListener listener;
    private ScheduledFuture<?> running;
    private boolean disposed;

    public Timer() {
    }

    public int getMinTimeInterval() {
        return INTERVAL;
    }

    public int getResolution() {
        return INTERVAL;
    }

    public void setTime(int time) {
        if (time < 0)
            throw new IllegalArgumentException("time");
        this.time = time;
    }

    public void setRepeat(boolean b) {
        repeat = b;
    }

    public void setListener(TimerListener listener) {
        this.listener = listener;
    }

    public synchronized void start() {
        if (disposed)
            throw new IllegalStateException("このタイマーは破棄されています");
        if (running != null && !running.isDone())
            return;
        running = EventThread.schedule(this::expire, Math.max(time, INTERVAL), repeat);
    }

    private void expire() {
        TimerListener l = listener;
        if (l != null)
            l.timerExpired(this);
    }

    public synchronized void stop() {
        if (running != null)
            running.cancel(false);
        running = null;
    }

    public synchronized void dispose() {
        stop();
        listener = null;
        disposed = true;
    }
}
