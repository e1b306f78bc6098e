//#since DoJa-2.0
package com.nttdocomo.io;

public interface ServerObexConnection extends ObexConnection {
    void accept() throws java.io.IOException;

    int getOperation();

    void receiveRequest() throws java.io.IOException;

    void sendResponse(int code) throws java.io.IOException;
}
