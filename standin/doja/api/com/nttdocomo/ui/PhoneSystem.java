package com.nttdocomo.ui;

public class PhoneSystem {
    public static final int DEV_BACKLIGHT = 0;
    public static final int ATTR_BACKLIGHT_OFF = 0;
    public static final int ATTR_BACKLIGHT_ON = 1;
    public static final int DEV_VIBRATOR = 1;
    public static final int ATTR_VIBRATOR_OFF = 0;
    public static final int ATTR_VIBRATOR_ON = 1;
    public static final int SOUND_INFO = 0;
    public static final int SOUND_WARNING = 1;
    public static final int SOUND_ERROR = 2;
    public static final int SOUND_ALARM = 3;
    public static final int SOUND_CONFIRM = 4;
    //#if DoJa-2.0
    // The listings give no values for these: ours, distinct within each group.
    public static final int ATTR_FOLDING_CLOSE = 0;
    public static final int ATTR_FOLDING_OPEN = 1;
    public static final int ATTR_MAIL_AT_CENTER = 2;
    public static final int ATTR_MAIL_NONE = 0;
    public static final int ATTR_MAIL_RECEIVED = 1;
    public static final int ATTR_MESSAGE_AT_CENTER = 2;
    public static final int ATTR_MESSAGE_NONE = 0;
    public static final int ATTR_MESSAGE_RECEIVED = 1;
    public static final int ATTR_SERVICEAREA_INSIDE = 1;
    public static final int ATTR_SERVICEAREA_OUTSIDE = 0;
    public static final int DEV_FOLDING = 2;
    public static final int DEV_MAILBOX = 3;
    public static final int DEV_MANNER = 5;
    //#endif
    //#if DoJa-3.0
    public static final int ATTR_BATTERY_CHARGING = 2;
    public static final int ATTR_BATTERY_FULL = 1;
    public static final int ATTR_BATTERY_PARTIAL = 0;
    public static final int ATTR_MANNER_OFF = 0;
    public static final int ATTR_MANNER_ON = 1;
    public static final int ATTR_SCREEN_INVISIBLE = 0;
    public static final int ATTR_SCREEN_VISIBLE = 1;
    public static final int DEV_BATTERY = 4;
    public static final int DEV_KEYPAD = 6;
    //#endif
    //#if DoJa-4.0
    public static final int ATTR_SURROUND_OFF = 0;
    public static final int ATTR_SURROUND_ON = 1;
    public static final int DEV_AUDIO_SURROUND = 7;
    //#endif
    //#if DoJa-5.1
    public static final int ATTR_AREAINFO_COMMUNICATING = 6;
    public static final int ATTR_AREAINFO_FOMA = 2;
    public static final int ATTR_AREAINFO_HSDPA = 3;
    public static final int ATTR_AREAINFO_OUTSIDE = 1;
    public static final int ATTR_AREAINFO_ROAMINGOUT = 4;
    public static final int ATTR_AREAINFO_SELFMODE = 5;
    public static final int ATTR_AREAINFO_UNKNOWN = 0;
    public static final int DEV_AREAINFO = 8;
    //#endif

    public static final void setAttribute(int attr, int value) {
    }

    public static final void playSound(int type) {
    }

    //#if DoJa-2.0
    public static int getAttribute(int attr) {
        return 0;
    }
    //#endif

    private PhoneSystem() {
    }
}
