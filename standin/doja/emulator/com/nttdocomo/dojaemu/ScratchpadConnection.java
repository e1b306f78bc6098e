package com.nttdocomo.dojaemu;

import com.nttdocomo.io.ConnectionException;

import java.io.DataInputStream;
import java.io.DataOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;
import java.io.RandomAccessFile;
import javax.microedition.io.StreamConnection;

/** "scratchpad:///0;pos=N": reads and writes the scratchpad file from byte N on. */
public final class ScratchpadConnection implements StreamConnection {
    private final long start;

    public ScratchpadConnection(String parameters) throws IOException {
        start = position(parameters);
        if (start < 0 || start > Resources.scratchpadSize())
            throw new ConnectionException(ConnectionException.SCRATCHPAD_OVERSIZE, "pos=" + start + " はスクラッチパッドの外です");
    }

    private static long position(String parameters) throws IOException {
        for (String parameter : parameters.split(";")) {
            if (parameter.startsWith("pos=")) {
                try {
                    return Long.parseLong(parameter.substring(4));
                } catch (NumberFormatException e) {
                    throw new IllegalArgumentException(parameter);
                }
            }
        }
        return 0;
    }

    public InputStream openInputStream() throws IOException {
        final RandomAccessFile file = Resources.openScratchpad();
        file.seek(start);
        return new InputStream() {
            public int read() throws IOException {
                return file.getFilePointer() < Resources.scratchpadSize() ? file.read() : -1;
            }

            public int read(byte[] b, int off, int len) throws IOException {
                long left = Resources.scratchpadSize() - file.getFilePointer();
                if (left <= 0)
                    return len == 0 ? 0 : -1;
                return file.read(b, off, (int) Math.min(len, left));
            }

            public void close() throws IOException {
                file.close();
            }
        };
    }

    public OutputStream openOutputStream() throws IOException {
        final RandomAccessFile file = Resources.openScratchpad();
        file.seek(start);
        return new OutputStream() {
            public void write(int b) throws IOException {
                write(new byte[] {(byte) b}, 0, 1);
            }

            public void write(byte[] b, int off, int len) throws IOException {
                if (file.getFilePointer() + len > Resources.scratchpadSize())
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
