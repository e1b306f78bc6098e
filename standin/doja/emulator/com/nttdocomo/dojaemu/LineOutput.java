package com.nttdocomo.dojaemu;

import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.OutputStream;
import java.io.PrintStream;
import java.io.UnsupportedEncodingException;

/**
 * Standard output and error as whole lines, each passed on the moment it
 * ends: whoever reads the pipe sees the application's prints as they come,
 * and a line of one stream is never cut by a line of the other.
 */
public final class LineOutput extends OutputStream {
    private final OutputStream target;
    private final ByteArrayOutputStream line = new ByteArrayOutputStream();

    private LineOutput(OutputStream target) {
        this.target = target;
    }

    public static PrintStream printStream(OutputStream target) {
        try {
            return new PrintStream(new LineOutput(target), false, "UTF-8");
        } catch (UnsupportedEncodingException e) {
            throw new IllegalStateException(e);
        }
    }

    public synchronized void write(int b) throws IOException {
        line.write(b);
        if (b == '\n')
            flush();
    }

    public synchronized void write(byte[] b, int off, int len) throws IOException {
        for (int i = off; i < off + len; ++i) {
            if (b[i] == '\n') {
                line.write(b, off, i + 1 - off);
                flush();
                len -= i + 1 - off;
                off = i + 1;
            }
        }
        line.write(b, off, len);
    }

    public synchronized void flush() throws IOException {
        line.writeTo(target);
        line.reset();
        target.flush();
    }
}
