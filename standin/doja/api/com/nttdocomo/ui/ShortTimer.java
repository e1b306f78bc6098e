package com.nttdocomo.ui;

public final class ShortTimer {
    private ShortTimer() {
    }

    public static ShortTimer getShortTimer(Canvas canvas, int id, int time, boolean repeat) {
        return null;
    }

    //#if DoJa-4.0
    public int getMinTimeInterval() {
        return 0;
    }
    //#endif

    public int getResolution() {
        return 0;
    }

    public void start() {
    }

    public void stop() {
    }

    public void dispose() {
    }
}
