package com.nttdocomo.dojaemu;

import com.nttdocomo.io.ConnectionException;

import java.io.ByteArrayInputStream;
import java.io.File;
import java.io.IOException;
import java.io.InputStream;
import java.util.zip.ZipEntry;
import java.util.zip.ZipFile;

/** The resources packed in the application's archive: "resource:///name". */
public final class Resources {
    public static final String SCHEME = "resource:///";

    private static File archive;

    private Resources() {
    }

    public static void init(File archiveFile) {
        archive = archiveFile;
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
}
