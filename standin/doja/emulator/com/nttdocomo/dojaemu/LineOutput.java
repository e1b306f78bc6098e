package com.nttdocomo.dojaemu;

import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.OutputStream;
import java.io.PrintStream;
import java.nio.charset.Charset;

/**
 * Standard output and error as whole lines, each passed on the moment it
 * ends: whoever reads the pipe sees the application's prints as they come,
 * and a line of one stream is never cut by a line of the other.
 *
 * The application prints Windows-31J, as on a handset; each line reaches the
 * pipe in the code the program's log reads: the system's code page on
 * Windows, UTF-8 elsewhere.
 */
public final class LineOutput extends OutputStream {
    public static final Charset HANDSET = Charset.forName("Windows-31J");

    private final OutputStream target;
    private final Charset log;
    private final ByteArrayOutputStream line = new ByteArrayOutputStream();

    private LineOutput(OutputStream target, Charset log) {
        this.target = target;
        this.log = log;
    }

    public static PrintStream printStream(OutputStream target) {
        return new PrintStream(new LineOutput(target, logCharset()), false, HANDSET);
    }

    static Charset logCharset() {
        if (!System.getProperty("os.name", "").startsWith("Windows"))
            return Charset.forName("UTF-8");
        String system = System.getProperty("native.encoding", System.getProperty("sun.jnu.encoding", ""));
        try {
            return Charset.forName(system);
        } catch (IllegalArgumentException e) {
            return HANDSET;
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
        if (log.equals(HANDSET))
            line.writeTo(target);
        else
            target.write(new String(line.toByteArray(), HANDSET).getBytes(log));
        line.reset();
        target.flush();
    }
}
