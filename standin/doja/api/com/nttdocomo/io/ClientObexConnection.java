//#since DoJa-2.0
package com.nttdocomo.io;

public interface ClientObexConnection extends ObexConnection {
    void connect() throws java.io.IOException;

    int getResponseCode() throws java.io.IOException;

    void sendRequest() throws java.io.IOException;

    void setOperation(int operation);

    //#if DoJa-5.1
    void connect(int mode) throws java.io.IOException;
    //#endif
}
