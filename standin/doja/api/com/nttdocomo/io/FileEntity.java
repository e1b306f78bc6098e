//#since DoJa-4.1
package com.nttdocomo.io;

public class FileEntity {
    public void close() throws java.io.IOException {
    }

    public int getBufferSize() {
        return 0;
    }

    public FileDataInput openDataInput() throws java.io.IOException {
        return null;
    }

    public FileDataOutput openDataOutput() throws java.io.IOException {
        return null;
    }

    public java.io.InputStream openInputStream() throws java.io.IOException {
        return null;
    }

    public java.io.OutputStream openOutputStream() throws java.io.IOException {
        return null;
    }

    public void setBufferSize(int bufferSize) {
    }

    private FileEntity() {
    }
}
