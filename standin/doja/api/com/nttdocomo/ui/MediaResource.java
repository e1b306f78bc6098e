package com.nttdocomo.ui;

import com.nttdocomo.io.ConnectionException;

public interface MediaResource {
    void use() throws ConnectionException, UIException;

    void unuse();

    void dispose();
}
