package com.nttdocomo.ui;

public abstract class IApplication {
    //#if DoJa-2.0
    // The listings give no values for these: ours, distinct within each group.
    public static final int LAUNCH_BROWSER = 1;
    public static final int LAUNCHED_AFTER_DOWNLOAD = 1;
    public static final int LAUNCHED_AS_CONCIERGE = 3;
    public static final int LAUNCHED_FROM_BROWSER = 5;
    public static final int LAUNCHED_FROM_EXT = 4;
    public static final int LAUNCHED_FROM_MAILER = 6;
    public static final int LAUNCHED_FROM_MENU = 0;
    public static final int LAUNCHED_FROM_TIMER = 2;
    //#endif
    //#if DoJa-3.0
    public static final int LAUNCH_AS_LAUNCHER = 4;
    public static final int LAUNCH_IAPPLI = 3;
    public static final int LAUNCH_MAILMENU = 5;
    public static final int LAUNCH_SCHEDULER = 6;
    public static final int LAUNCH_VERSIONUP = 2;
    public static final int LAUNCHED_AS_ILET = 9;
    public static final int LAUNCHED_FROM_IAPPLI = 7;
    public static final int LAUNCHED_FROM_LAUNCHER = 8;
    public static final int LAUNCHED_MSG_RECEIVED = 10;
    public static final int LAUNCHED_MSG_SENT = 11;
    public static final int LAUNCHED_MSG_UNSENT = 12;
    //#endif
    //#if DoJa-3.5
    public static final int LAUNCH_MAIL_LAST_INCOMING = 10;
    public static final int LAUNCH_MAIL_RECEIVED = 7;
    public static final int LAUNCH_MAIL_SENT = 8;
    public static final int LAUNCH_MAIL_UNSENT = 9;
    //#endif
    //#if DoJa-5.0
    public static final int LAUNCH_BROWSER_SUSPEND = 11;
    public static final int LAUNCHED_FROM_FELICA_ADHOC = 17;
    public static final int LAUNCHED_FROM_LOCATION_IMAGE = 14;
    public static final int LAUNCHED_FROM_LOCATION_INFO = 13;
    public static final int LAUNCHED_FROM_MENU_FOR_DELETION = 16;
    public static final int LAUNCHED_FROM_PHONEBOOK = 15;
    public static final int LAUNCHED_FROM_TORUCA = 18;
    //#endif
    //#if DoJa-5.1
    public static final int LAUNCH_DTV = 12;
    public static final int LAUNCHED_FROM_BML = 19;
    public static final int LAUNCHED_FROM_DTV = 20;
    //#endif

    public IApplication() {
    }

    public final String[] getArgs() {
        return null;
    }

    public String getSourceURL() {
        return null;
    }

    public static final IApplication getCurrentApp() {
        return null;
    }

    public abstract void start();

    public void resume() {
    }

    public final void terminate() {
    }

    //#if DoJa-2.0
    public void launch(int type, String[] args) {
    }

    public int getLaunchType() {
        return 0;
    }
    //#endif
}
