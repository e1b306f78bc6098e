package com.nttdocomo.util;

import com.nttdocomo.lang.XString;
import com.nttdocomo.lang.XStrings;

/** The handset's telephone: the emulator says whom it would call, and gives made-up numbers. */
public class Phone {
    public static final String TERMINAL_ID = "terminal-id";
    public static final String USER_ID = "user-id";
    public static final String TEL_AV = "tel-av";
    public static final String UIM_VERSION = "uim-version";

    private Phone() {
    }

    public static void call(String phoneNumber) {
        if (phoneNumber == null)
            throw new NullPointerException("phoneNumber");
        System.out.println("Tester: " + phoneNumber + " に電話をかけるところです");
    }

    public static void call(XString phoneNumber) {
        call(XStrings.text(phoneNumber));
    }

    public static void call(String telType, XString phoneNumber) {
        call(XStrings.text(phoneNumber));
    }

    public static final String getProperty(String key) {
        if (TERMINAL_ID.equals(key))
            return "0000000000000000";
        if (USER_ID.equals(key))
            return "000000000000";
        return null;
    }
}
