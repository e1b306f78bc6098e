//#since DoJa-2.0
package com.nttdocomo.util;

//#if DoJa-3.0
import com.nttdocomo.lang.XString;
//#endif

public class Phone {
    //#if DoJa-2.1
    public static final String TERMINAL_ID = "terminal-id";
    public static final String USER_ID = "user-id";
    //#endif
    //#if DoJa-3.5
    // The listings give no values for these: ours, distinct within each group.
    public static final String TEL_AV = "tel-av";
    //#endif
    //#if DoJa-4.1
    public static final String UIM_VERSION = "uim-version";
    //#endif

    public static void call(String phoneNumber) {
    }

    //#if DoJa-2.1
    public static final String getProperty(String key) {
        return null;
    }
    //#endif

    //#if DoJa-3.0
    public static void call(XString phoneNumber) {
    }
    //#endif

    //#if DoJa-3.5
    public static void call(String telType, XString phoneNumber) {
    }
    //#endif

    private Phone() {
    }
}
