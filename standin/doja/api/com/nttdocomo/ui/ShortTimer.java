package com.nttdocomo.ui;

import com.nttdocomo.util.TimeKeeper;

public final class ShortTimer implements TimeKeeper {
    protected ShortTimer() {
    }

    public static ShortTimer getShortTimer(Canvas canvas, int id, int time, boolean repeat) {
        return null;
    }

    public void start() {
    }

    public void stop() {
    }

    public void dispose() {
    }

    public int getResolution() {
        return 0;
    }

    //#if DoJa-4.0
    public int getMinTimeInterval() {
        return 0;
    }
    //#endif
}
