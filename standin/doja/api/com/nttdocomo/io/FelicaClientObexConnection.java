//#since DoJa-5.0
package com.nttdocomo.io;

public interface FelicaClientObexConnection extends ClientObexConnection {
    void close() throws java.io.IOException;

    void connect() throws java.io.IOException;

    int getResponseCode() throws java.io.IOException;

    void sendRequest() throws java.io.IOException;

    void setOperation(int operation);

    //#if DoJa-5.1
    void connect(int mode) throws java.io.IOException;

    int getCommMode();
    //#endif
}
