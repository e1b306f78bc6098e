//#since DoJa-5.1
package com.nttdocomo.io;

public interface DDPConnection extends HttpConnection {
    void connect() throws java.io.IOException;

    void setDDP();

    void setRequestProperty(String key, String value) throws java.io.IOException;
}
