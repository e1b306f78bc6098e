package com.nttdocomo.util;

public interface TimerListener extends EventListener {
    void timerExpired(Timer source);
}
