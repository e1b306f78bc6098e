package com.nttdocomo.ui;

import com.nttdocomo.dojaemu.EventThread;

import java.util.concurrent.ScheduledFuture;

/**
 * An application that stays resident. The emulator keeps it active;
 * the clock tick reaches processSystemEvent once a minute when asked for.
 */
public abstract class MApplication extends IApplication {
    public static final int CLOCK_TICK_EVENT = 2;
    public static final int FOLD_CHANGED_EVENT = 4;
    public static final int MODE_CHANGED_EVENT = 1;
    public static final int WAKEUP_TIMER_EVENT = 3;

    private static final int MINUTE_MILLIS = 60000;

    private ScheduledFuture<?> clockTick;
    private int wakeupTimer = -1;

    public MApplication() {
    }

    public void deactivate() {
    }

    public void sleep() {
    }

    public boolean isActive() {
        return true;
    }

    public void processSystemEvent(int type, int param) {
    }

    public synchronized void setClockTick(boolean b) {
        if (clockTick != null)
            clockTick.cancel(false);
        clockTick = b ? EventThread.schedule(() -> processSystemEvent(CLOCK_TICK_EVENT, 0), MINUTE_MILLIS, true) : null;
    }

    public int getWakeupTimer() {
        return wakeupTimer;
    }

    public void setWakeupTimer(int time) {
        wakeupTimer = time;
    }

    public void resetWakeupTimer() {
        wakeupTimer = -1;
    }
}
