//#since DoJa-3.0
package com.nttdocomo.io;

public class BufferedReader extends java.io.Reader {
    public BufferedReader(java.io.Reader in) {
    }

    public BufferedReader(java.io.Reader in, int size) {
    }

    public void close() throws java.io.IOException {
    }

    public void mark(int readAheadLimit) throws java.io.IOException {
    }

    public boolean markSupported() {
        return false;
    }

    public int read() throws java.io.IOException {
        return 0;
    }

    public int read(char[] buf, int off, int len) throws java.io.IOException {
        return 0;
    }

    public String readLine() throws java.io.IOException {
        return null;
    }

    public boolean ready() throws java.io.IOException {
        return false;
    }

    public void reset() throws java.io.IOException {
    }

    public long skip(long n) throws java.io.IOException {
        return 0;
    }
}
