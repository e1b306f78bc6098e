//#since DoJa-3.0
package com.nttdocomo.util;

public class JarInflater {
    public JarInflater(byte[] data) throws JarFormatException {
    }

    public JarInflater(java.io.InputStream in) throws JarFormatException {
    }

    public void close() {
    }

    public java.io.InputStream getInputStream(String name) throws JarFormatException {
        return null;
    }

    public long getSize(String name) throws JarFormatException {
        return 0;
    }
}
