package com.nttdocomo.io;

public class ConnectionException extends java.io.IOException {
    public static final int UNDEFINED = 0;
    public static final int STATUS_FIRST = 0;
    public static final int STATUS_LAST = 32;
    public static final int ILLEGAL_STATE = 1;
    public static final int NO_RESOURCE = 2;
    public static final int RESOURCE_BUSY = 3;
    public static final int NO_USE = 4;
    public static final int OUT_OF_SERVICE = 5;
    public static final int IMODE_LOCKED = 6;
    public static final int TIMEOUT = 7;
    public static final int USER_ABORT = 8;
    public static final int SYSTEM_ABORT = 9;
    public static final int HTTP_ERROR = 10;
    public static final int SCRATCHPAD_OVERSIZE = 11;
    public static final int SELF_MODE = 13;
    public static final int SSL_ERROR = 14;
    //#if DoJa-2.0
    // The listings give no values for these: ours. BUSY_RESOURCE and
    // NO_RESOURCES take those of the DoJa-1.0 names they mirror.
    public static final int BUSY_RESOURCE = 3;
    public static final int NO_RESOURCES = 2;
    public static final int OBEX_ERROR = 15;
    //#endif
    //#if DoJa-4.1
    public static final int UART_DISCONNECTED = 16;
    //#endif

    private int status;

    public ConnectionException() {
    }

    public ConnectionException(int status) {
        this.status = status;
    }

    public ConnectionException(int status, String msg) {
        super(msg);
        this.status = status;
    }

    public int getStatus() {
        return status;
    }
}
