//#since DoJa-3.0
package com.nttdocomo.util;

public class ScheduleDate {
    // The listings give no values for these: ours, distinct within each group.
    public static final int DAILY = 1;
    public static final int MONTHLY = 3;
    public static final int ONETIME = 0;
    public static final int WEEKLY = 2;
    public static final int YEARLY = 4;

    public ScheduleDate(int type) {
    }

    //#if DoJa-5.1
    public ScheduleDate(int type, java.util.TimeZone zone) {
    }
    //#endif

    public int get(int field) {
        return 0;
    }

    public int getType() {
        return 0;
    }

    public void set(int field, int value) {
    }
}
