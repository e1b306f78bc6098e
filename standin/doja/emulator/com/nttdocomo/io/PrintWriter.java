package com.nttdocomo.io;

import java.io.IOException;
import java.io.OutputStream;
import java.io.OutputStreamWriter;
import java.io.Writer;

/** Prints values as text; never throws, checkError() tells of a failure instead. */
public class PrintWriter extends Writer {
    private static final String LINE_END = "\n";

    protected Writer out;
    private final boolean autoFlush;
    private boolean error;

    public PrintWriter(OutputStream out) {
        this(new OutputStreamWriter(out), false);
    }

    public PrintWriter(OutputStream out, boolean autoFlush) {
        this(new OutputStreamWriter(out), autoFlush);
    }

    public PrintWriter(Writer out) {
        this(out, false);
    }

    public PrintWriter(Writer out, boolean autoFlush) {
        super(out);
        this.out = out;
        this.autoFlush = autoFlush;
    }

    public boolean checkError() {
        flush();
        return error;
    }

    protected void setError() {
        error = true;
    }

    public void close() {
        try {
            out.close();
        } catch (IOException e) {
            setError();
        }
    }

    public void flush() {
        try {
            out.flush();
        } catch (IOException e) {
            setError();
        }
    }

    public void write(int c) {
        write(String.valueOf((char) c));
    }

    public void write(char[] buf) {
        write(buf, 0, buf.length);
    }

    public void write(char[] buf, int off, int len) {
        try {
            out.write(buf, off, len);
        } catch (IOException e) {
            setError();
        }
    }

    public void write(String s) {
        write(s, 0, s.length());
    }

    public void write(String s, int off, int len) {
        try {
            out.write(s, off, len);
        } catch (IOException e) {
            setError();
        }
    }

    public void print(boolean b) {
        write(String.valueOf(b));
    }

    public void print(char c) {
        write(String.valueOf(c));
    }

    public void print(char[] s) {
        write(s);
    }

    public void print(int i) {
        write(String.valueOf(i));
    }

    public void print(long l) {
        write(String.valueOf(l));
    }

    public void print(Object obj) {
        write(String.valueOf(obj));
    }

    public void print(String s) {
        write(String.valueOf(s));
    }

    public void println() {
        write(LINE_END);
        if (autoFlush)
            flush();
    }

    public void println(boolean b) {
        print(b);
        println();
    }

    public void println(char c) {
        print(c);
        println();
    }

    public void println(char[] s) {
        print(s);
        println();
    }

    public void println(int i) {
        print(i);
        println();
    }

    public void println(long l) {
        print(l);
        println();
    }

    public void println(Object obj) {
        print(obj);
        println();
    }

    public void println(String s) {
        print(s);
        println();
    }
}
