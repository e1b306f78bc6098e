//#since DoJa-5.0
package com.nttdocomo.io;

public interface FelicaServerObexConnection extends ServerObexConnection {
    void accept() throws java.io.IOException;

    void close() throws java.io.IOException;

    int getOperation();

    void receiveRequest() throws java.io.IOException;

    void sendResponse(int code) throws java.io.IOException;

    //#if DoJa-5.1
    int getCommMode();
    //#endif
}
