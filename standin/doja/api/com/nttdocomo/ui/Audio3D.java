//#since DoJa-4.0
package com.nttdocomo.ui;

public class Audio3D {
    // The listings give no values for these: ours, distinct within each group.
    public static final int MODE_CONTROL_BY_APP = 1;
    public static final int MODE_CONTROL_BY_DATA = 2;
    public static final int SOUND_MOTION_COMPLETE = 1;

    public void disable() {
    }

    public void enable(int mode) {
    }

    public void enable(int mode, int resources) {
    }

    public static int getFreeResources() {
        return 0;
    }

    public static int getResources() {
        return 0;
    }

    public int getTimeResolution() {
        return 0;
    }

    public boolean isEnabled() {
        return false;
    }

    public void setListener(Audio3DListener listener) {
    }

    public void setLocalization(Audio3DLocalization localization) {
    }

    private Audio3D() {
    }
}
