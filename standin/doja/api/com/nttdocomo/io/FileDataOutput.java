//#since DoJa-4.1
package com.nttdocomo.io;

public class FileDataOutput implements java.io.DataOutput, RandomAccessible {
    public void close() throws java.io.IOException {
    }

    public void flush() throws java.io.IOException {
    }

    public long getPosition() throws java.io.IOException {
        return 0;
    }

    public long getSize() throws java.io.IOException {
        return 0;
    }

    public void setPosition(long position) throws java.io.IOException {
    }

    public void setPositionRelative(long position) throws java.io.IOException {
    }

    public void truncate(long fileSize) throws java.io.IOException {
    }

    public void write(byte[] b) throws java.io.IOException {
    }

    public void write(byte[] b, int off, int len) throws java.io.IOException {
    }

    public void write(int b) throws java.io.IOException {
    }

    public void writeBoolean(boolean v) throws java.io.IOException {
    }

    public void writeByte(int v) throws java.io.IOException {
    }

    public void writeBytes(String s) throws java.io.IOException {
    }

    public void writeChar(int v) throws java.io.IOException {
    }

    public void writeChars(String s) throws java.io.IOException {
    }

    public void writeDouble(double v) throws java.io.IOException {
    }

    public void writeFloat(float v) throws java.io.IOException {
    }

    public void writeInt(int v) throws java.io.IOException {
    }

    public void writeLong(long v) throws java.io.IOException {
    }

    public void writeShort(int v) throws java.io.IOException {
    }

    public void writeString(String s) throws java.io.IOException {
    }

    public void writeString(String s, int bytes) throws java.io.IOException {
    }

    public void writeUTF(String str) throws java.io.IOException {
    }

    private FileDataOutput() {
    }
}
