package com.nttdocomo.ui;

/** The base of every i-mode application: the emulator creates it and calls start(). */
public abstract class IApplication {
    private static IApplication current;
    private String[] args = new String[0];

    protected IApplication() {
        current = this;
    }

    public static IApplication getCurrentApp() {
        return current;
    }

    public abstract void start();

    public void resume() {
    }

    public String[] getArgs() {
        return args;
    }

    /** Kept for old sources only; its use makes the compiler print a deprecation note. */
    @Deprecated
    public String getSourceURL() {
        return "";
    }

    public void terminate() {
    }
}
