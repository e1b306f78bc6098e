package com.nttdocomo.io;

import java.io.IOException;
import java.io.Reader;

/** Reads characters through a buffer, and whole lines ended by LF, CR or CR LF. */
public class BufferedReader extends Reader {
    private final java.io.BufferedReader in;

    public BufferedReader(Reader in) {
        this.in = new java.io.BufferedReader(in);
    }

    public BufferedReader(Reader in, int size) {
        this.in = new java.io.BufferedReader(in, size);
    }

    public void close() throws IOException {
        in.close();
    }

    public void mark(int readAheadLimit) throws IOException {
        in.mark(readAheadLimit);
    }

    public boolean markSupported() {
        return true;
    }

    public int read() throws IOException {
        return in.read();
    }

    public int read(char[] buf, int off, int len) throws IOException {
        return in.read(buf, off, len);
    }

    public String readLine() throws IOException {
        return in.readLine();
    }

    public boolean ready() throws IOException {
        return in.ready();
    }

    public void reset() throws IOException {
        in.reset();
    }

    public long skip(long n) throws IOException {
        return in.skip(n);
    }
}
