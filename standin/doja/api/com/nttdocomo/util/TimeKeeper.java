package com.nttdocomo.util;

public interface TimeKeeper {
    int getResolution();

    void start();

    void stop();

    void dispose();

    //#if DoJa-4.0
    int getMinTimeInterval();
    //#endif
}
