package com.nttdocomo.util;

public final class Timer {
    public Timer() {
    }

    //#if DoJa-4.0
    public int getMinTimeInterval() {
        return 0;
    }
    //#endif

    public int getResolution() {
        return 0;
    }

    public void setTime(int time) {
    }

    public void setRepeat(boolean b) {
    }

    public void setListener(TimerListener listener) {
    }

    public void start() {
    }

    public void stop() {
    }

    public void dispose() {
    }
}
