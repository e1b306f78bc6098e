package com.nttdocomo.ui;

import com.nttdocomo.dojaemu.EventThread;

/** The application: made and started by the emulator, ended by terminate(). */
public abstract class IApplication {
    private static IApplication current;

    public IApplication() {
        current = this;
    }

    public static IApplication getCurrentApp() {
        return current;
    }

    public final String[] getArgs() {
        String[] args = Handset.current().args();
        String[] copy = new String[args.length];
        System.arraycopy(args, 0, copy, 0, args.length);
        return copy;
    }

    public abstract void start();

    public void resume() {
    }

    public final void terminate() {
        EventThread.exit(0);
    }
}
