package com.nttdocomo.dojaemu;

import java.io.File;
import java.io.IOException;
import java.nio.charset.Charset;
import java.nio.file.Files;
import java.util.HashMap;
import java.util.Locale;
import java.util.Map;

/**
 * The application's descriptor (.jam): "Key = value" lines in Windows-31J.
 * Keys are matched without regard to case, as handsets read them; the first
 * of two equal keys holds.
 */
public final class Descriptor {
    private static Descriptor current;

    private final File file;
    private final Map<String, String> keys;

    private Descriptor(File file, Map<String, String> keys) {
        this.file = file;
        this.keys = keys;
    }

    public static Descriptor read(File file) throws IOException {
        Map<String, String> keys = new HashMap<>();
        for (String line : Files.readAllLines(file.toPath(), Charset.forName("Windows-31J"))) {
            int equals = line.indexOf('=');
            if (equals > 0)
                keys.putIfAbsent(line.substring(0, equals).trim().toLowerCase(Locale.ROOT), line.substring(equals + 1).trim());
        }
        current = new Descriptor(file, keys);
        return current;
    }

    /** The descriptor of the running application. */
    public static Descriptor current() {
        return current;
    }

    public File file() {
        return file;
    }

    /** The value of the key, or "" when the descriptor lacks it. */
    public String get(String key) {
        String value = keys.get(key.toLowerCase(Locale.ROOT));
        return value == null ? "" : value;
    }

    /** ProfileVer, else the profile whose API archive the emulator runs against, else "". */
    public String profile() {
        String profile = get("ProfileVer");
        return profile.isEmpty() ? ScreenSize.profileOfClassPath(System.getProperty("java.class.path", "")) : profile;
    }

    public boolean usesNetwork() {
        return get("UseNetwork").equalsIgnoreCase("http");
    }

    /** bin/Hello.jam keeps its scratchpads in bin/Hello.sp. */
    public File scratchpadFile() {
        String name = file.getName();
        int dot = name.lastIndexOf('.');
        return new File(file.getParentFile(), (dot > 0 ? name.substring(0, dot) : name) + ".sp");
    }
}
