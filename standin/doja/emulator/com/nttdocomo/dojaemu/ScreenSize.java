package com.nttdocomo.dojaemu;

/**
 * The canvas size: the descriptor's DrawArea ("WxH"), else the usual screen
 * of the descriptor's ProfileVer, else of the profile whose API archive the
 * emulator runs against (DoJa-1.0 descriptors have no ProfileVer), else
 * 240x240.
 */
public final class ScreenSize {
    public static final int DEFAULT_WIDTH = 240;
    public static final int DEFAULT_HEIGHT = 240;

    public final int width;
    public final int height;

    private ScreenSize(int width, int height) {
        this.width = width;
        this.height = height;
    }

    public static ScreenSize of(Descriptor descriptor) {
        ScreenSize drawArea = parse(descriptor.get("DrawArea"));
        if (drawArea != null)
            return drawArea;
        return ofProfile(descriptor.profile());
    }

    // The SDK keeps each profile's archive in lib/profiles/<profile>/.
    static String profileOfClassPath(String classPath) {
        java.util.regex.Matcher m = java.util.regex.Pattern.compile("[/\\\\]profiles[/\\\\](DoJa-[0-9.]+)[/\\\\]").matcher(classPath);
        return m.find() ? m.group(1) : "";
    }

    // One canvas size of NTT's 2004 handset table per series; the table
    // gives none for the 901i and later, which keep the default.
    static ScreenSize ofProfile(String profile) {
        String version = profile.toUpperCase(java.util.Locale.ROOT).replace("DOJA-", "");
        if (version.startsWith("1."))
            return new ScreenSize(120, 130);   // 503i F, P, N
        if (version.startsWith("2."))
            return new ScreenSize(132, 144);   // 504i D, P
        if (version.startsWith("3.0"))
            return new ScreenSize(240, 240);   // 505i SO, N505i
        if (version.startsWith("3.5"))
            return new ScreenSize(240, 240);   // 900i F, N, P
        return new ScreenSize(DEFAULT_WIDTH, DEFAULT_HEIGHT);
    }

    /** The size "WxH" gives; null when it gives none. */
    public static ScreenSize parse(String text) {
        int x = text.toLowerCase(java.util.Locale.ROOT).indexOf('x');
        if (x <= 0)
            return null;
        try {
            int width = Integer.parseInt(text.substring(0, x).trim());
            int height = Integer.parseInt(text.substring(x + 1).trim());
            return width > 0 && height > 0 && width <= 2048 && height <= 2048 ? new ScreenSize(width, height) : null;
        } catch (NumberFormatException e) {
            return null;
        }
    }
}
