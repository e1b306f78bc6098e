package com.nttdocomo.dojaemu;

import com.nttdocomo.io.ConnectionException;

import java.io.ByteArrayInputStream;
import java.io.File;
import java.io.IOException;
import java.io.InputStream;
import java.io.RandomAccessFile;
import java.util.zip.ZipEntry;
import java.util.zip.ZipFile;

/**
 * What the application reaches outside itself: the resources packed in its
 * archive ("resource:///name") and its scratchpad ("scratchpad:///0"), kept
 * in a file beside the descriptor with the size the descriptor's SPsize asks.
 */
public final class Resources {
    private static File archive;
    private static File scratchpad;
    private static long scratchpadSize;

    private Resources() {
    }

    public static void init(File archiveFile, File scratchpadFile, long size) throws IOException {
        archive = archiveFile;
        scratchpad = scratchpadFile;
        scratchpadSize = size;
        if (size > 0) {
            try (RandomAccessFile file = new RandomAccessFile(scratchpadFile, "rw")) {
                file.setLength(size);
            }
        }
    }

    public static InputStream openResource(String name) throws IOException {
        String entryName = name.startsWith("/") ? name.substring(1) : name;
        try (ZipFile zip = new ZipFile(archive)) {
            ZipEntry entry = zip.getEntry(entryName);
            if (entry == null || entry.isDirectory())
                throw new ConnectionException(ConnectionException.UNDEFINED, "リソース " + entryName + " がJARファイルにありません");
            try (InputStream in = zip.getInputStream(entry)) {
                return new ByteArrayInputStream(in.readAllBytes());
            }
        }
    }

    public static RandomAccessFile openScratchpad() throws IOException {
        if (scratchpadSize <= 0)
            throw new ConnectionException(ConnectionException.UNDEFINED, "JAMファイルの SPsize がスクラッチパッドの大きさを指定していません");
        return new RandomAccessFile(scratchpad, "rw");
    }

    public static long scratchpadSize() {
        return scratchpadSize;
    }
}
