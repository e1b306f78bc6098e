package com.nttdocomo.util;

public final class Timer implements TimeKeeper {
    public Timer() {
    }

    public int getResolution() {
        return 0;
    }

    public void start() {
    }

    public void stop() {
    }

    public void dispose() {
    }

    public void setRepeat(boolean repeat) {
    }

    public void setTime(int interval) {
    }

    public void setListener(TimerListener listener) {
    }

    //#if DoJa-4.0
    public int getMinTimeInterval() {
        return 0;
    }
    //#endif
}
