package com.nttdocomo.ui;

public abstract class IApplication {
    public IApplication() {
    }

    public static IApplication getCurrentApp() {
        return null;
    }

    public final String[] getArgs() {
        return null;
    }

    public abstract void start();

    public void resume() {
    }

    public final void terminate() {
    }
}
