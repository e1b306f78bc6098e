//#since DoJa-2.0
package com.nttdocomo.ui;

public abstract class MApplication extends IApplication {
    // The listings give no values for these: ours, distinct within each group.
    public static final int CLOCK_TICK_EVENT = 2;
    public static final int FOLD_CHANGED_EVENT = 4;
    public static final int MODE_CHANGED_EVENT = 1;
    public static final int WAKEUP_TIMER_EVENT = 3;

    public MApplication() {
    }

    public void deactivate() {
    }

    public int getWakeupTimer() {
        return 0;
    }

    public void processSystemEvent(int type, int param) {
    }

    public void resetWakeupTimer() {
    }

    public void setClockTick(boolean b) {
    }

    public void setWakeupTimer(int time) {
    }

    public void sleep() {
    }

    //#if DoJa-5.1
    public boolean isActive() {
        return false;
    }
    //#endif
}
