//#since DoJa-2.0
package com.nttdocomo.io;

public interface ObexConnection extends javax.microedition.io.StreamConnection {
    // The listings give no values for these: ours, distinct within each group.
    int ACCEPTED = 162;
    int BAD_GATEWAY = 210;
    int BAD_REQUEST = 192;
    int CONFLICT = 201;
    int CONTINUE = 144;
    int CREATED = 161;
    int DATABASE_FULL = 224;
    int DATABASE_LOCKED = 225;
    int DISCONNECT = 3;
    int FORBIDDEN = 195;
    int GATEWAY_TIMEOUT = 212;
    int GET = 2;
    int GONE = 202;
    int HTTP_VERSION_NOT_SUPPORTED = 213;
    int INTERNAL_SERVER_ERROR = 208;
    int LENGTH_REQUIRED = 203;
    int METHOD_NOT_ALLOWED = 197;
    int MOVED_PERMANENTLY = 177;
    int MOVED_TEMPORARILY = 178;
    int MULTIPLE_CHOICES = 176;
    int NO_CONTENT = 164;
    int NON_AUTHORITATIVE_INFORMATION = 163;
    int NOT_ACCEPTABLE = 198;
    int NOT_FOUND = 196;
    int NOT_IMPLEMENTED = 209;
    int NOT_MODIFIED = 180;
    int PARTIAL_CONTENT = 166;
    int PAYMENT_REQUIRED = 194;
    int PRECONDITION_FAILED = 204;
    int PROXY_AUTHENTICATION_REQUIRED = 199;
    int PUT = 1;
    int REQUEST_ENTITY_TOO_LARGE = 205;
    int REQUEST_TIME_OUT = 200;
    int REQUEST_URL_TOO_LARGE = 206;
    int RESET_CONTENT = 165;
    int SEE_OTHER = 179;
    int SERVICE_UNAVAILABLE = 211;
    int SUCCESS = 160;
    int UNAUTHORIZED = 193;
    int UNSUPPORTED_MEDIA_TYPE = 207;
    int USE_PROXY = 181;
    //#if DoJa-5.1
    int COMM_MODE_IRDA = 0;
    int COMM_MODE_IRSIMPLE_INTERACTIVE = 1;
    int COMM_MODE_IRSIMPLE_UNILATERALLY = 2;
    //#endif

    int getContentLength();

    String getName();

    long getTime();

    String getType();

    void setName(String name);

    void setTime(long time);

    void setType(String type);

    //#if DoJa-5.1
    int getCommMode();
    //#endif
}
