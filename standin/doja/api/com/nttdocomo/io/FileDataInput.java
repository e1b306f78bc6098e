//#since DoJa-4.1
package com.nttdocomo.io;

public class FileDataInput implements java.io.DataInput, RandomAccessible {
    public void close() throws java.io.IOException {
    }

    public long getPosition() throws java.io.IOException {
        return 0;
    }

    public long getSize() throws java.io.IOException {
        return 0;
    }

    public boolean readBoolean() throws java.io.IOException {
        return false;
    }

    public byte readByte() throws java.io.IOException {
        return 0;
    }

    public char readChar() throws java.io.IOException {
        return 0;
    }

    public double readDouble() throws java.io.IOException {
        return 0;
    }

    public float readFloat() throws java.io.IOException {
        return 0;
    }

    public void readFully(byte[] b) throws java.io.IOException {
    }

    public void readFully(byte[] b, int off, int len) throws java.io.IOException {
    }

    public int readInt() throws java.io.IOException {
        return 0;
    }

    public String readLine() throws java.io.IOException {
        return null;
    }

    public long readLong() throws java.io.IOException {
        return 0;
    }

    public short readShort() throws java.io.IOException {
        return 0;
    }

    public String readString() throws java.io.IOException {
        return null;
    }

    public String readString(int bytes) throws java.io.IOException {
        return null;
    }

    public int readUnsignedByte() throws java.io.IOException {
        return 0;
    }

    public int readUnsignedShort() throws java.io.IOException {
        return 0;
    }

    public String readUTF() throws java.io.IOException {
        return null;
    }

    public void setPosition(long position) throws java.io.IOException {
    }

    public void setPositionRelative(long position) throws java.io.IOException {
    }

    public int skipBytes(int n) throws java.io.IOException {
        return 0;
    }

    private FileDataInput() {
    }
}
