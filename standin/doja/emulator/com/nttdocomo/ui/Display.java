package com.nttdocomo.ui;

/** The handset's screen and keypad. */
public class Display {
    public static final int KEY_0 = 0;
    public static final int KEY_1 = 1;
    public static final int KEY_2 = 2;
    public static final int KEY_3 = 3;
    public static final int KEY_4 = 4;
    public static final int KEY_5 = 5;
    public static final int KEY_6 = 6;
    public static final int KEY_7 = 7;
    public static final int KEY_8 = 8;
    public static final int KEY_9 = 9;
    public static final int KEY_ASTERISK = 10;
    public static final int KEY_POUND = 11;
    public static final int KEY_LEFT = 16;
    public static final int KEY_UP = 17;
    public static final int KEY_RIGHT = 18;
    public static final int KEY_DOWN = 19;
    public static final int KEY_SELECT = 20;
    public static final int KEY_SOFT1 = 21;
    public static final int KEY_SOFT2 = 22;
    public static final int KEY_PRESSED_EVENT = 0;
    public static final int KEY_RELEASED_EVENT = 1;
    public static final int MEDIA_EVENT = 8;
    public static final int RESUME_VM_EVENT = 4;
    public static final int RESET_VM_EVENT = 5;
    public static final int UPDATE_VM_EVENT = 6;
    public static final int TIMER_EXPIRED_EVENT = 7;
    public static final int KEY_IAPP = 23;
    public static final int KEY_LOWER_LEFT = 24;
    public static final int KEY_LOWER_RIGHT = 25;
    public static final int KEY_PAGE_DOWN = 29;
    public static final int KEY_PAGE_UP = 28;
    public static final int KEY_UPPER_LEFT = 26;
    public static final int KEY_UPPER_RIGHT = 27;
    public static final int KEY_VOICE = 30;
    protected static final int MAX_OPTION_KEY = 63;
    protected static final int MAX_VENDOR_EVENT = 127;
    protected static final int MAX_VENDOR_KEY = 127;
    protected static final int MIN_OPTION_KEY = 24;
    protected static final int MIN_VENDOR_EVENT = 64;
    protected static final int MIN_VENDOR_KEY = 64;
    public static final int POINTER_MOVED_EVENT = 9;
    public static final int FINGER_MOVED_EVENT = 10;
    public static final int KEY_CAMERA_SELECT = 35;
    public static final int KEY_CAMERA_ZOOM_IN = 36;
    public static final int KEY_CAMERA_ZOOM_OUT = 37;
    public static final int KEY_CLEAR = 31;
    public static final int KEY_MAIL = 32;
    public static final int KEY_MEMO = 33;
    public static final int KEY_MY_SELECT = 34;
    public static final int KEY_ROLL_LEFT = 38;
    public static final int KEY_ROLL_RIGHT = 39;
    public static final int KEY_SUB1 = 40;
    public static final int KEY_SUB2 = 41;
    public static final int KEY_SUB3 = 42;
    public static final int KEY_GPS = 43;

    protected Display() {
    }

    public static Frame getCurrent() {
        return Handset.current().frame();
    }

    public static void setCurrent(Frame frame) {
        if (frame == null)
            throw new NullPointerException("frame");
        Handset.current().show(frame);
    }

    public static int getWidth() {
        return Handset.current().width();
    }

    public static int getHeight() {
        return Handset.current().height();
    }

    public static boolean isColor() {
        return true;
    }

    public static int numColors() {
        return 1 << 24;
    }
}
