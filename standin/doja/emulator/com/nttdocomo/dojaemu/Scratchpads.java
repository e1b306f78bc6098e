package com.nttdocomo.dojaemu;

import com.nttdocomo.io.ConnectionException;

import java.io.File;
import java.io.IOException;
import java.io.RandomAccessFile;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.nio.file.Files;
import java.nio.file.StandardCopyOption;
import java.util.Arrays;

/**
 * The scratchpads the descriptor's SPsize asks for ("n", or a list "n,n,..."
 * for scratchpad:///0 to /15), kept in one file in the SDK emulator's format:
 * a 64-byte header of 16 little-endian 32-bit sizes (-1 for unused), then the
 * data of each scratchpad in turn. A file holding the data alone, as older
 * runs of this emulator wrote it, is read as scratchpad 0.
 */
public final class Scratchpads {
    public static final int COUNT = 16;
    private static final int HEADER = 4 * COUNT;
    private static final int UNUSED = -1;

    private static Scratchpads current = new Scratchpads(null, unused());

    private final File file;
    private final long[] sizes;

    private Scratchpads(File file, long[] sizes) {
        this.file = file;
        this.sizes = sizes;
    }

    public static Scratchpads current() {
        return current;
    }

    /**
     * Lays the file out as SPsize asks, keeping what each scratchpad held up
     * to its new size. Without SPsize the file is left alone.
     * @throws NumberFormatException when SPsize is no size or list of sizes
     */
    public static Scratchpads open(File file, String spsize) throws IOException {
        long[] sizes = parseSizes(spsize);
        current = new Scratchpads(file, sizes);
        if (current.isUsed())
            current.layOut();
        return current;
    }

    /** The bytes SPsize asks for in all; -1 when it asks for no scratchpad. */
    public static long total(String spsize) {
        long total = -1;
        for (long size : parseSizes(spsize)) {
            if (size != UNUSED)
                total = Math.max(total, 0) + size;
        }
        return total;
    }

    /**
     * The most bytes a handset of the profile keeps in its scratchpads, for an
     * application of the given archive size; an unknown profile is the newest.
     * Never more than one array holds.
     */
    public static long limit(String profile, long archiveSize) {
        final long kb = 1024;
        String version = profile.toUpperCase(java.util.Locale.ROOT).replace("DOJA-", "");
        long limit;
        if (version.startsWith("1."))
            limit = 5 * kb;
        else if (version.startsWith("2."))
            limit = 100 * kb;
        else if (version.startsWith("3.0"))
            limit = 200 * kb;
        else if (version.startsWith("3.5") || version.startsWith("4."))
            limit = 400 * kb;
        else
            limit = Math.max(0, 1024 * kb - archiveSize);  // archive and scratchpad share 1 MB
        return Math.min(limit, Integer.MAX_VALUE - 8 - HEADER);
    }

    static long[] parseSizes(String text) {
        long[] sizes = unused();
        if (text.trim().isEmpty())
            return sizes;
        String[] parts = text.split(",", -1);
        if (parts.length > COUNT)
            throw new NumberFormatException(text);
        for (int i = 0; i < parts.length; ++i) {
            sizes[i] = Long.parseLong(parts[i].trim());
            if (sizes[i] < 0 || sizes[i] > Integer.MAX_VALUE)
                throw new NumberFormatException(text);
        }
        return sizes;
    }

    private static long[] unused() {
        long[] sizes = new long[COUNT];
        Arrays.fill(sizes, UNUSED);
        return sizes;
    }

    private boolean isUsed() {
        for (long size : sizes) {
            if (size != UNUSED)
                return true;
        }
        return false;
    }

    /** The size of scratchpad index; a ConnectionException when the descriptor gives none. */
    public long size(int index) throws ConnectionException {
        if (index < 0 || index >= COUNT || sizes[index] == UNUSED)
            throw new ConnectionException(ConnectionException.UNDEFINED,
                "JAMファイルの SPsize がスクラッチパッド " + index + " の大きさを指定していません");
        return sizes[index];
    }

    /** The file positioned at the start of scratchpad index. */
    public RandomAccessFile open(int index) throws IOException {
        size(index);
        RandomAccessFile data = new RandomAccessFile(file, "rw");
        data.seek(offset(sizes, index));
        return data;
    }

    public long offset(int index) {
        return offset(sizes, index);
    }

    private static long offset(long[] sizes, int index) {
        long offset = HEADER;
        for (int i = 0; i < index; ++i)
            offset += Math.max(0, sizes[i]);
        return offset;
    }

    private void layOut() throws IOException {
        byte[] old = file.isFile() ? Files.readAllBytes(file.toPath()) : new byte[0];
        long[] oldSizes = headerSizes(old);
        if (oldSizes == null) {
            oldSizes = unused();
            oldSizes[0] = old.length;
            old = withHeader(oldSizes, old);
        }
        byte[] laidOut = new byte[(int) offset(sizes, COUNT)];
        ByteBuffer header = ByteBuffer.wrap(laidOut).order(ByteOrder.LITTLE_ENDIAN);
        for (int i = 0; i < COUNT; ++i) {
            header.putInt((int) sizes[i]);
            long kept = Math.min(Math.max(0, sizes[i]), Math.max(0, oldSizes[i]));
            System.arraycopy(old, (int) offset(oldSizes, i), laidOut, (int) offset(sizes, i), (int) kept);
        }
        if (Arrays.equals(old, laidOut) && file.isFile())
            return;
        File temporary = new File(file.getPath() + ".new");
        Files.write(temporary.toPath(), laidOut);
        Files.move(temporary.toPath(), file.toPath(), StandardCopyOption.REPLACE_EXISTING, StandardCopyOption.ATOMIC_MOVE);
    }

    // The sizes of a file in the SDK's format; null for a file of data alone.
    static long[] headerSizes(byte[] bytes) {
        if (bytes.length < HEADER)
            return null;
        ByteBuffer header = ByteBuffer.wrap(bytes, 0, HEADER).order(ByteOrder.LITTLE_ENDIAN);
        long[] sizes = new long[COUNT];
        long total = HEADER;
        for (int i = 0; i < COUNT; ++i) {
            sizes[i] = header.getInt();
            if (sizes[i] < UNUSED)
                return null;
            total += Math.max(0, sizes[i]);
        }
        return total == bytes.length ? sizes : null;
    }

    private static byte[] withHeader(long[] sizes, byte[] data) {
        byte[] bytes = new byte[HEADER + data.length];
        ByteBuffer header = ByteBuffer.wrap(bytes).order(ByteOrder.LITTLE_ENDIAN);
        for (long size : sizes)
            header.putInt((int) size);
        System.arraycopy(data, 0, bytes, HEADER, data.length);
        return bytes;
    }
}
