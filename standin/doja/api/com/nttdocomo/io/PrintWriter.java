//#since DoJa-3.0
package com.nttdocomo.io;

public class PrintWriter extends java.io.Writer {
    protected java.io.Writer out;

    public PrintWriter(java.io.OutputStream out) {
    }

    public PrintWriter(java.io.OutputStream out, boolean autoFlush) {
    }

    public PrintWriter(java.io.Writer out) {
    }

    public PrintWriter(java.io.Writer out, boolean autoFlush) {
    }

    public boolean checkError() {
        return false;
    }

    public void close() {
    }

    public void flush() {
    }

    public void print(boolean b) {
    }

    public void print(char c) {
    }

    public void print(char[] s) {
    }

    public void print(int i) {
    }

    public void print(long l) {
    }

    public void print(Object obj) {
    }

    public void print(String s) {
    }

    public void println() {
    }

    public void println(boolean b) {
    }

    public void println(char c) {
    }

    public void println(char[] s) {
    }

    public void println(int i) {
    }

    public void println(long l) {
    }

    public void println(Object obj) {
    }

    public void println(String s) {
    }

    protected void setError() {
    }

    public void write(char[] buf) {
    }

    public void write(char[] buf, int off, int len) {
    }

    public void write(int c) {
    }

    public void write(String s) {
    }

    public void write(String s, int off, int len) {
    }
}
