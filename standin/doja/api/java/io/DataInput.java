package java.io;

public interface DataInput {
    void readFully(byte[] b) throws IOException;

    void readFully(byte[] b, int off, int len) throws IOException;

    int skipBytes(int n) throws IOException;

    boolean readBoolean() throws IOException;

    byte readByte() throws IOException;

    int readUnsignedByte() throws IOException;

    short readShort() throws IOException;

    int readUnsignedShort() throws IOException;

    char readChar() throws IOException;

    int readInt() throws IOException;

    long readLong() throws IOException;

    String readUTF() throws IOException;

    //#if CLDC-1.1
    float readFloat() throws IOException;

    double readDouble() throws IOException;
    //#endif
}
