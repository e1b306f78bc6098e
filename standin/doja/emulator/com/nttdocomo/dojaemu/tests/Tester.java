package com.nttdocomo.dojaemu.tests;

import com.nttdocomo.dojaemu.Descriptor;
import com.nttdocomo.dojaemu.EventThread;
import com.nttdocomo.dojaemu.HandsetClasses;
import com.nttdocomo.dojaemu.LineOutput;
import com.nttdocomo.dojaemu.Resources;
import com.nttdocomo.dojaemu.Scratchpads;
import com.nttdocomo.dojaemu.ScreenSize;
import com.nttdocomo.ui.Handset;
import com.nttdocomo.ui.IApplication;

import java.awt.GraphicsEnvironment;
import java.io.File;
import java.io.FileDescriptor;
import java.io.FileOutputStream;
import java.io.IOException;
import java.net.URL;
import java.net.URLClassLoader;
import java.nio.charset.Charset;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

/**
 * Stand-in for the DoJa emulator's driver: java ... Tester jam DEVICE DESCRIPTOR.
 * Checks the descriptor against the archive beside it and starts the
 * application. With a display the application runs in a window until it
 * terminates or the window is closed; without one start() runs, one line
 * says so, and the emulator ends.
 *
 * Two system properties serve tests: dojaemu.keys, a comma-separated list
 * of keys ("DOWN,SELECT,*,SOFT1") pressed one after the other once the
 * first screen is shown, and dojaemu.screenshot, a PNG file that receives
 * the screen after those keys, with or without a display.
 */
public final class Tester {
    private static final long WAIT_SECONDS = 20;
    private static final long START_SECONDS = 3;

    private Tester() {
    }

    public static void main(String[] args) throws Exception {
        // A handset's strings are Windows-31J, and a running virtual machine
        // cannot change its default.
        if (!Charset.defaultCharset().equals(LineOutput.HANDSET) && System.getProperty("dojaemu.relaunched") == null) {
            int status = relaunch(args);
            if (status >= 0)
                System.exit(status);
        }
        System.setOut(LineOutput.printStream(new FileOutputStream(FileDescriptor.out)));
        System.setErr(LineOutput.printStream(new FileOutputStream(FileDescriptor.err)));
        int status;
        try {
            status = run(args);
        } catch (java.awt.AWTError e) {
            // DISPLAY names a display that cannot be reached.
            status = fail("画面を開けません: " + e.getMessage());
        }
        EventThread.exit(status);
    }

    // This driver again, in a virtual machine whose default is Windows-31J; -1 when it cannot start.
    private static int relaunch(String[] args) {
        List<String> command = new ArrayList<>();
        command.add(new File(System.getProperty("java.home"), "bin/java").getPath());
        try {
            for (String argument : java.lang.management.ManagementFactory.getRuntimeMXBean().getInputArguments()) {
                if (!argument.startsWith("-Dfile.encoding=") && !argument.startsWith("-Djava.class.path="))
                    command.add(argument);
            }
        } catch (LinkageError e) {
            // No management module: the -D settings of the tests are lost, nothing else.
        }
        command.addAll(Arrays.asList("-Dfile.encoding=Windows-31J", "-Ddojaemu.relaunched=1",
                "-classpath", System.getProperty("java.class.path", ""), Tester.class.getName()));
        command.addAll(Arrays.asList(args));
        try {
            return new ProcessBuilder(command).inheritIO().start().waitFor();
        } catch (IOException | InterruptedException e) {
            System.err.println("Tester: Windows-31J の仮想マシンを起動できないため、既定の文字コード " + Charset.defaultCharset() + " で続けます: " + e);
            return -1;
        }
    }

    private static int fail(String message) {
        System.out.println("Tester: " + message);
        return 1;
    }

    private static int run(String[] args) throws Exception {
        if (args.length != 3 || !args[0].equals("jam"))
            return fail("使い方: Tester jam <機種> <JAMファイル>");
        Descriptor descriptor;
        try {
            descriptor = Descriptor.read(new File(args[2]).getAbsoluteFile());
        } catch (IOException e) {
            return fail("JAMファイル " + args[2] + " を読めません");
        }
        String packageUrl = descriptor.get("PackageURL");
        if (packageUrl.isEmpty())
            return fail("JAMファイルに PackageURL がありません");
        File archive = new File(descriptor.file().getParentFile(), packageUrl);
        if (!archive.isFile())
            return fail("JARファイル " + packageUrl + " が見つかりません");
        String size = descriptor.get("AppSize");
        if (!size.equals(Long.toString(archive.length())))
            return fail("AppSize " + size + " がJARファイルの大きさ " + archive.length() + " と合いません");
        String className = descriptor.get("AppClass");
        if (className.isEmpty())
            return fail("JAMファイルに AppClass がありません");
        int[] keys;
        try {
            keys = keyCodes(System.getProperty("dojaemu.keys", ""));
        } catch (IllegalArgumentException e) {
            return fail("dojaemu.keys のキー " + e.getMessage() + " はありません");
        }
        String spsize = descriptor.get("SPsize");
        try {
            String profile = descriptor.profile().isEmpty() ? "DoJa-5.1" : descriptor.profile();
            long limit = Scratchpads.limit(profile, archive.length());
            if (Scratchpads.total(spsize) > limit)
                return fail("SPsize " + spsize + " は " + profile + " の端末が持てるスクラッチパッド " + limit + " バイトを超えています");
            Scratchpads.open(descriptor.scratchpadFile(), spsize);
        } catch (NumberFormatException e) {
            return fail("SPsize " + descriptor.get("SPsize") + " は大きさ（またはコンマで区切った大きさ）ではありません");
        }
        Resources.init(archive);
        return start(archive, descriptor, className, args[1], keys);
    }

    private static int start(File archive, Descriptor descriptor, String className, String device, int[] keys)
        throws Exception {
        HandsetClasses handsetClasses = HandsetClasses.of(System.getProperty("java.class.path", ""), Tester.class.getClassLoader());
        if (handsetClasses == null)
            System.out.println("Tester: クラスパスに dojaapi.jar がないため、アプリケーションにデスクトップのクラスも見えます");
        URLClassLoader loader = new URLClassLoader(new URL[] {archive.toURI().toURL()},
                handsetClasses != null ? handsetClasses : Tester.class.getClassLoader());
        Class<?> type;
        try {
            type = Class.forName(className, false, loader);
        } catch (ClassNotFoundException e) {
            return fail("クラス " + className + " がJARファイルにありません");
        }
        if (!IApplication.class.isAssignableFrom(type))
            return fail(className + " は IApplication を継承していません");

        String drawArea = descriptor.get("DrawArea");
        if (!drawArea.isEmpty() && ScreenSize.parse(drawArea) == null)
            System.out.println("Tester: DrawArea " + drawArea + " は「幅x高さ」ではないため使いません");
        ScreenSize screen = ScreenSize.of(descriptor);
        Handset handset = Handset.create(words(descriptor.get("AppParam")), screen.width, screen.height);
        String name = descriptor.get("AppName");
        boolean window = false;
        if (!GraphicsEnvironment.isHeadless()) {
            String refusal = handset.openWindow(name.isEmpty() ? className : name);
            window = refusal == null;
            if (!window)
                System.out.println("Tester: ウィンドウを開けないため、画面なしで続けます: " + refusal);
        }

        EventThread.start();
        final Class<?> application = type;
        EventThread.post(() -> launch(application, handset));
        if (!handset.awaitReady(START_SECONDS))
            EventThread.detach();  // a start() that goes on, as a game's loop may
        System.out.println("Tester: " + className + " を起動しました (" + device + ")");
        String shot = System.getProperty("dojaemu.screenshot");
        if (shot != null || keys.length > 0) {
            if (!handset.awaitFirstScreen(WAIT_SECONDS))
                return fail(className + " は " + WAIT_SECONDS + " 秒のうちに画面を描きませんでした");
            handset.settle();
            handset.pressKeys(keys);
            if (shot != null)
                screenshot(handset, new File(shot));
        }
        if (window)
            Thread.currentThread().join();  // until terminate() or the window's close
        return 0;
    }

    private static void launch(Class<?> application, Handset handset) {
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
        handset.markReady();
    }

    private static void screenshot(Handset handset, File file) {
        try {
            handset.writeScreenshot(file);
        } catch (IOException e) {
            System.out.println("Tester: 画面を " + file + " に書けません: " + e.getMessage());
        }
    }

    static int[] keyCodes(String list) {
        if (list.trim().isEmpty())
            return new int[0];
        String[] names = list.split(",");
        int[] codes = new int[names.length];
        for (int i = 0; i < names.length; ++i) {
            codes[i] = Handset.keyCode(names[i].trim());
            if (codes[i] < 0)
                throw new IllegalArgumentException(names[i].trim());
        }
        return codes;
    }

    private static String[] words(String text) {
        return text.trim().isEmpty() ? new String[0] : text.trim().split("\\s+");
    }
}
