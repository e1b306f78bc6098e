package com.nttdocomo.dojaemu;

import com.nttdocomo.io.ConnectionException;

import java.io.DataInputStream;
import java.io.DataOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;
import java.io.RandomAccessFile;
import javax.microedition.io.StreamConnection;

/**
 * "scratchpad:///N;pos=P;length=L": scratchpad N from byte P on, at most L
 * bytes of it (to its end when length is not given).
 */
public final class ScratchpadConnection implements StreamConnection {
    public static final String SCHEME = "scratchpad:///";

    private final int index;
    private final long start;
    private final long end;

    public ScratchpadConnection(String name) throws IOException {
        String[] parts = name.substring(SCHEME.length()).split(";");
        index = number(parts[0], name);
        if (index >= Scratchpads.COUNT)
            throw new IllegalArgumentException("スクラッチパッドは 0 から " + (Scratchpads.COUNT - 1) + " までです: " + name);
        long size = Scratchpads.current().size(index);
        long position = 0;
        long length = -1;
        for (int i = 1; i < parts.length; ++i) {
            if (parts[i].startsWith("pos="))
                position = number(parts[i].substring(4), name);
            else if (parts[i].startsWith("length="))
                length = number(parts[i].substring(7), name);
            else
                throw new IllegalArgumentException("スクラッチパッドの指定が読めません: " + name);
        }
        if (position > size)
            throw new ConnectionException(ConnectionException.SCRATCHPAD_OVERSIZE, "pos=" + position + " はスクラッチパッドの外です");
        start = position;
        end = length < 0 ? size : Math.min(size, position + length);
    }

    private static int number(String text, String name) {
        try {
            int value = Integer.parseInt(text);
            if (value >= 0)
                return value;
        } catch (NumberFormatException e) {
            // reported below
        }
        throw new IllegalArgumentException("スクラッチパッドの指定が読めません: " + name);
    }

    private RandomAccessFile openAtStart() throws IOException {
        RandomAccessFile file = Scratchpads.current().open(index);
        file.seek(file.getFilePointer() + start);
        return file;
    }

    public InputStream openInputStream() throws IOException {
        final RandomAccessFile file = openAtStart();
        final long limit = Scratchpads.current().offset(index) + end;
        return new InputStream() {
            public int read() throws IOException {
                return file.getFilePointer() < limit ? file.read() : -1;
            }

            public int read(byte[] b, int off, int len) throws IOException {
                long left = limit - file.getFilePointer();
                if (len == 0)
                    return 0;
                if (left <= 0)
                    return -1;
                return file.read(b, off, (int) Math.min(len, left));
            }

            public int available() throws IOException {
                return (int) Math.max(0, limit - file.getFilePointer());
            }

            public void close() throws IOException {
                file.close();
            }
        };
    }

    public OutputStream openOutputStream() throws IOException {
        final RandomAccessFile file = openAtStart();
        final long limit = Scratchpads.current().offset(index) + end;
        return new OutputStream() {
            public void write(int b) throws IOException {
                write(new byte[] {(byte) b}, 0, 1);
            }

            public void write(byte[] b, int off, int len) throws IOException {
                if (file.getFilePointer() + len > limit)
                    throw new ConnectionException(ConnectionException.SCRATCHPAD_OVERSIZE, "スクラッチパッドの大きさ (SPsize) を超えて書こうとしました");
                file.write(b, off, len);
            }

            public void close() throws IOException {
                file.close();
            }
        };
    }

    public DataInputStream openDataInputStream() throws IOException {
        return new DataInputStream(openInputStream());
    }

    public DataOutputStream openDataOutputStream() throws IOException {
        return new DataOutputStream(openOutputStream());
    }

    public void close() {
    }
}
