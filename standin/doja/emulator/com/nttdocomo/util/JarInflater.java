package com.nttdocomo.util;

import java.io.ByteArrayInputStream;
import java.io.IOException;
import java.io.InputStream;
import java.util.HashMap;
import java.util.Map;
import java.util.zip.ZipEntry;
import java.util.zip.ZipInputStream;

/** The files of a JAR (zip) archive held in memory, each read by its name. */
public class JarInflater {
    private Map<String, byte[]> entries = new HashMap<>();

    public JarInflater(byte[] data) throws JarFormatException {
        if (data == null)
            throw new NullPointerException("data");
        read(new ByteArrayInputStream(data));
    }

    public JarInflater(InputStream in) throws JarFormatException {
        if (in == null)
            throw new NullPointerException("in");
        read(in);
    }

    private void read(InputStream in) throws JarFormatException {
        try (ZipInputStream zip = new ZipInputStream(in)) {
            for (ZipEntry entry = zip.getNextEntry(); entry != null; entry = zip.getNextEntry()) {
                if (!entry.isDirectory())
                    entries.put(entry.getName(), zip.readAllBytes());
            }
        } catch (IOException | IllegalArgumentException e) {
            throw new JarFormatException(String.valueOf(e.getMessage()));
        }
        if (entries.isEmpty())
            throw new JarFormatException("JAR 形式ではありません");
    }

    public void close() {
        entries = null;
    }

    private byte[] entry(String name) throws JarFormatException {
        if (name == null)
            throw new NullPointerException("name");
        if (entries == null)
            throw new IllegalStateException("閉じられています");
        return entries.get(name);
    }

    /** The file's contents; null when the archive has no such file. */
    public InputStream getInputStream(String name) throws JarFormatException {
        byte[] data = entry(name);
        return data == null ? null : new ByteArrayInputStream(data);
    }

    /** The file's size; -1 when the archive has no such file. */
    public long getSize(String name) throws JarFormatException {
        byte[] data = entry(name);
        return data == null ? -1 : data.length;
    }
}
