package com.nttdocomo.dojaemu.tests;

import com.nttdocomo.ui.IApplication;

import java.io.File;
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
 * Checks the descriptor against the archive beside it, starts the application
 * and prints one line for what it did or what was wrong.
 */
public final class Tester {
    private static PrintStream out;

    private Tester() {
    }

    public static void main(String[] args) throws Exception {
        out = new PrintStream(System.out, true, "UTF-8");
        System.exit(run(args) ? 0 : 1);
    }

    private static boolean fail(String message) {
        out.println("Tester: " + message);
        return false;
    }

    private static boolean run(String[] args) {
        if (args.length != 3 || !args[0].equals("jam")) {
            return fail("使い方: Tester jam <機種> <JAMファイル>");
        }
        File descriptor = new File(args[2]);
        Map<String, String> keys;
        try {
            keys = read(descriptor);
        } catch (IOException e) {
            return fail("JAMファイル " + args[2] + " を読めません");
        }
        String packageUrl = keys.get("PackageURL");
        if (packageUrl == null || packageUrl.isEmpty()) {
            return fail("JAMファイルに PackageURL がありません");
        }
        File archive = new File(descriptor.getAbsoluteFile().getParentFile(), packageUrl);
        if (!archive.isFile()) {
            return fail("JARファイル " + packageUrl + " が見つかりません");
        }
        String size = keys.get("AppSize");
        if (size == null || !size.equals(Long.toString(archive.length()))) {
            return fail("AppSize " + size + " がJARファイルの大きさ " + archive.length() + " と合いません");
        }
        return start(archive, keys.get("AppClass"), args[1]);
    }

    private static boolean start(File archive, String className, String device) {
        if (className == null || className.isEmpty()) {
            return fail("JAMファイルに AppClass がありません");
        }
        try (URLClassLoader loader = new URLClassLoader(new URL[] {archive.toURI().toURL()},
                Tester.class.getClassLoader())) {
            Class<?> type = Class.forName(className, true, loader);
            if (!IApplication.class.isAssignableFrom(type)) {
                return fail(className + " は IApplication を継承していません");
            }
            IApplication application = (IApplication) type.getDeclaredConstructor().newInstance();
            application.start();
            out.println("Tester: " + className + " を起動しました (" + device + ")");
            return true;
        } catch (ClassNotFoundException e) {
            return fail("クラス " + className + " がJARファイルにありません");
        } catch (Throwable e) {
            return fail(className + " の起動に失敗しました: " + e);
        }
    }

    private static Map<String, String> read(File descriptor) throws IOException {
        List<String> lines = Files.readAllLines(descriptor.toPath(), Charset.forName("Windows-31J"));
        Map<String, String> keys = new HashMap<>();
        for (String line : lines) {
            int equals = line.indexOf('=');
            if (equals > 0) {
                keys.putIfAbsent(line.substring(0, equals).trim(), line.substring(equals + 1).trim());
            }
        }
        return keys;
    }
}
