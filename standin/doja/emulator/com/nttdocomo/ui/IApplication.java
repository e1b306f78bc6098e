package com.nttdocomo.ui;

import com.nttdocomo.dojaemu.Descriptor;
import com.nttdocomo.dojaemu.EventThread;

import java.io.File;

/** The application: made and started by the emulator, ended by terminate(). */
public abstract class IApplication {
    public static final int LAUNCH_BROWSER = 1;
    public static final int LAUNCHED_AFTER_DOWNLOAD = 1;
    public static final int LAUNCHED_AS_CONCIERGE = 3;
    public static final int LAUNCHED_FROM_BROWSER = 5;
    public static final int LAUNCHED_FROM_EXT = 4;
    public static final int LAUNCHED_FROM_MAILER = 6;
    public static final int LAUNCHED_FROM_MENU = 0;
    public static final int LAUNCHED_FROM_TIMER = 2;
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
    public static final int LAUNCH_MAIL_LAST_INCOMING = 10;
    public static final int LAUNCH_MAIL_RECEIVED = 7;
    public static final int LAUNCH_MAIL_SENT = 8;
    public static final int LAUNCH_MAIL_UNSENT = 9;
    public static final int LAUNCH_BROWSER_SUSPEND = 11;
    public static final int LAUNCHED_FROM_FELICA_ADHOC = 17;
    public static final int LAUNCHED_FROM_LOCATION_IMAGE = 14;
    public static final int LAUNCHED_FROM_LOCATION_INFO = 13;
    public static final int LAUNCHED_FROM_MENU_FOR_DELETION = 16;
    public static final int LAUNCHED_FROM_PHONEBOOK = 15;
    public static final int LAUNCHED_FROM_TORUCA = 18;
    public static final int LAUNCH_DTV = 12;
    public static final int LAUNCHED_FROM_BML = 19;
    public static final int LAUNCHED_FROM_DTV = 20;

    private static IApplication current;

    public IApplication() {
        current = this;
    }

    public static final IApplication getCurrentApp() {
        return current;
    }

    public final String[] getArgs() {
        String[] args = Handset.current().args();
        String[] copy = new String[args.length];
        System.arraycopy(args, 0, copy, 0, args.length);
        return copy;
    }

    /**
     * Where the application was fetched from: the folder of an absolute
     * PackageURL, else the folder of the descriptor.
     */
    public String getSourceURL() {
        Descriptor descriptor = Descriptor.current();
        String packageUrl = descriptor.get("PackageURL");
        if (packageUrl.startsWith("http://") || packageUrl.startsWith("https://"))
            return packageUrl.substring(0, packageUrl.lastIndexOf('/') + 1);
        File folder = descriptor.file().getParentFile();
        return folder.toURI().toString();
    }

    public int getLaunchType() {
        return LAUNCHED_FROM_MENU;
    }

    /** The emulator has nothing to hand over to: it says what was asked. */
    public void launch(int type, String[] args) {
        StringBuilder line = new StringBuilder("Tester: launch(" + type);
        if (args != null) {
            for (String arg : args)
                line.append(", ").append(arg);
        }
        System.out.println(line.append(") はこのエミュレータでは何も起動しません"));
    }

    public abstract void start();

    public void resume() {
    }

    public final void terminate() {
        EventThread.exit(0);
    }
}
