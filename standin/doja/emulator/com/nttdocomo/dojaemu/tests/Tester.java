package com.nttdocomo.dojaemu.tests;

import com.nttdocomo.dojaemu.EventThread;
import com.nttdocomo.dojaemu.Resources;
import com.nttdocomo.ui.Handset;
import com.nttdocomo.ui.IApplication;

import java.awt.GraphicsEnvironment;
import java.io.File;
import java.io.FileDescriptor;
import java.io.FileOutputStream;
import java.io.IOException;
import java.io.PrintStream;
import java.net.URL;
import java.net.URLClassLoader;
import java.nio.charset.Charset;
import java.nio.file.Files;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

/**
 * Stand-in for the DoJa emulator's driver: java ... Tester jam DEVICE DESCRIPTOR.
 * Checks the descriptor against the archive beside it and starts the
 * application. With a display the application runs in a window until it
 * terminates or the window is closed; without one start() runs, one line
 * says so, and the emulator ends. The system property dojaemu.screenshot
 * names a PNG file that receives the first screen the application shows,
 * with or without a display.
 */
public final class Tester {
    private static final long SCREENSHOT_WAIT_SECONDS = 20;

    private Tester() {
    }

    public static void main(String[] args) throws Exception {
        System.setOut(new PrintStream(new FileOutputStream(FileDescriptor.out), true, "UTF-8"));
        System.setErr(new PrintStream(new FileOutputStream(FileDescriptor.err), true, "UTF-8"));
        int status;
        try {
            status = run(args);
        } catch (java.awt.AWTError e) {
            // DISPLAY names a display that cannot be reached.
            status = fail("画面を開けません: " + e.getMessage());
        }
        EventThread.exit(status);
    }

    private static int fail(String message) {
        System.out.println("Tester: " + message);
        return 1;
    }

    private static int run(String[] args) throws Exception {
        if (args.length != 3 || !args[0].equals("jam"))
            return fail("使い方: Tester jam <機種> <JAMファイル>");
        File descriptor = new File(args[2]).getAbsoluteFile();
        Map<String, String> keys;
        try {
            keys = read(descriptor);
        } catch (IOException e) {
            return fail("JAMファイル " + args[2] + " を読めません");
        }
        String packageUrl = keys.get("PackageURL");
        if (packageUrl == null || packageUrl.isEmpty())
            return fail("JAMファイルに PackageURL がありません");
        File archive = new File(descriptor.getParentFile(), packageUrl);
        if (!archive.isFile())
            return fail("JARファイル " + packageUrl + " が見つかりません");
        String size = keys.get("AppSize");
        if (size == null || !size.equals(Long.toString(archive.length())))
            return fail("AppSize " + size + " がJARファイルの大きさ " + archive.length() + " と合いません");
        String className = keys.get("AppClass");
        if (className == null || className.isEmpty())
            return fail("JAMファイルに AppClass がありません");
        long scratchpadSize;
        try {
            scratchpadSize = number(keys.get("SPsize"));
        } catch (NumberFormatException e) {
            return fail("SPsize " + keys.get("SPsize") + " は大きさではありません");
        }
        Resources.init(archive, scratchpadFile(descriptor), scratchpadSize);
        return start(archive, keys, className, args[1]);
    }

    private static int start(File archive, Map<String, String> keys, String className, String device) throws Exception {
        URLClassLoader loader = new URLClassLoader(new URL[] {archive.toURI().toURL()}, Tester.class.getClassLoader());
        Class<?> type;
        try {
            type = Class.forName(className, false, loader);
        } catch (ClassNotFoundException e) {
            return fail("クラス " + className + " がJARファイルにありません");
        }
        if (!IApplication.class.isAssignableFrom(type))
            return fail(className + " は IApplication を継承していません");

        String shot = System.getProperty("dojaemu.screenshot");
        Handset handset = Handset.create(words(keys.get("AppParam")), shot == null ? null : new File(shot));
        String name = keys.get("AppName");
        boolean window = false;
        if (!GraphicsEnvironment.isHeadless()) {
            String refusal = handset.openWindow(name == null || name.isEmpty() ? className : name);
            window = refusal == null;
            if (!window)
                System.out.println("Tester: ウィンドウを開けないため、画面なしで続けます: " + refusal);
        }

        EventThread.start();
        final Class<?> application = type;
        EventThread.call(() -> launch(application));
        System.out.println("Tester: " + className + " を起動しました (" + device + ")");
        if (window) {
            Thread.currentThread().join();  // until terminate() or the window's close
        } else if (shot != null && !handset.awaitFirstScreen(SCREENSHOT_WAIT_SECONDS)) {
            return fail(className + " は " + SCREENSHOT_WAIT_SECONDS + " 秒のうちに画面を描きませんでした");
        }
        return 0;
    }

    private static void launch(Class<?> application) {
        IApplication app;
        try {
            app = (IApplication) application.getDeclaredConstructor().newInstance();
        } catch (java.lang.reflect.InvocationTargetException e) {
            EventThread.fail(e.getCause());
            return;
        } catch (ReflectiveOperationException e) {
            throw new RuntimeException(application.getName() + " を作れません: " + e, e);
        }
        app.start();
    }

    // bin/Hello.jam keeps its scratchpad in bin/Hello.sp.
    private static File scratchpadFile(File descriptor) {
        String name = descriptor.getName();
        int dot = name.lastIndexOf('.');
        return new File(descriptor.getParentFile(), (dot > 0 ? name.substring(0, dot) : name) + ".sp");
    }

    private static long number(String text) {
        return text == null || text.isEmpty() ? 0 : Long.parseLong(text);
    }

    private static String[] words(String text) {
        return text == null || text.trim().isEmpty() ? new String[0] : text.trim().split("\\s+");
    }

    private static Map<String, String> read(File descriptor) throws IOException {
        List<String> lines = Files.readAllLines(descriptor.toPath(), Charset.forName("Windows-31J"));
        Map<String, String> keys = new HashMap<>();
        for (String line : lines) {
            int equals = line.indexOf('=');
            if (equals > 0)
                keys.putIfAbsent(line.substring(0, equals).trim(), line.substring(equals + 1).trim());
        }
        return keys;
    }
}
