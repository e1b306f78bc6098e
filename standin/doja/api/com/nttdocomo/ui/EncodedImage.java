//#since DoJa-3.0
package com.nttdocomo.ui;

public class EncodedImage {
    public MediaImage getImage() {
        return null;
    }

    public java.io.InputStream getInputStream() {
        return null;
    }

    public int size() {
        return 0;
    }

    private EncodedImage() {
    }
}
