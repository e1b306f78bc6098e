package com.nttdocomo.ui;

import com.nttdocomo.dojaemu.EventThread;

import java.awt.Graphics2D;
import java.awt.image.BufferedImage;
import java.io.File;
import java.io.IOException;
import java.util.concurrent.CountDownLatch;
import java.util.concurrent.TimeUnit;
import javax.imageio.ImageIO;

/**
 * The emulated handset: one screen of fixed size that the current frame is
 * drawn on, the keypad, and the window that shows them when there is a
 * display. Drawing goes to the screen; what is drawn becomes visible when it
 * is presented: at once outside lock(), at the last unlock() inside.
 */
public final class Handset {
    public static final int WIDTH = 240;
    public static final int HEIGHT = 240;

    private static Handset current;

    private final BufferedImage screen = new BufferedImage(WIDTH, HEIGHT, BufferedImage.TYPE_INT_RGB);
    private final BufferedImage shown = new BufferedImage(WIDTH, HEIGHT, BufferedImage.TYPE_INT_RGB);
    private final String[] args;
    private final File screenshot;
    private final CountDownLatch firstPresent = new CountDownLatch(1);
    private HandsetWindow window;
    private Frame frame;
    private int lockCount;
    private boolean paintPending;
    private volatile int keypad;

    private Handset(String[] args, File screenshot) {
        this.args = args;
        this.screenshot = screenshot;
        Graphics2D g = screen.createGraphics();
        g.setColor(java.awt.Color.WHITE);
        g.fillRect(0, 0, WIDTH, HEIGHT);
        g.dispose();
        shown.setData(screen.getData());
    }

    /** The handset for this run; screenshot, when not null, receives the first screen presented. */
    public static synchronized Handset create(String[] args, File screenshot) {
        current = new Handset(args, screenshot);
        return current;
    }

    /** Opens the handset's window; the reason when this machine cannot show one, else null. */
    public String openWindow(String title) {
        try {
            window = HandsetWindow.open(this, title);
            return null;
        } catch (RuntimeException | Error e) {
            return String.valueOf(e.getMessage());
        }
    }

    /** Waits for the first screen to be presented; false when none came in time. */
    public boolean awaitFirstScreen(long seconds) throws InterruptedException {
        return firstPresent.await(seconds, TimeUnit.SECONDS);
    }

    static Handset current() {
        return current;
    }

    String[] args() {
        return args;
    }

    boolean hasWindow() {
        return window != null;
    }

    HandsetWindow window() {
        return window;
    }

    // The screen ------------------------------------------------------------

    BufferedImage screen() {
        return screen;
    }

    synchronized Frame frame() {
        return frame;
    }

    void show(Frame next) {
        if (next instanceof Dialog)
            throw new IllegalArgumentException("Dialog は Display.setCurrent() に渡せません");
        synchronized (this) {
            frame = next;
        }
        if (next instanceof Canvas)
            requestPaint((Canvas) next);
        else if (next instanceof Panel)
            requestPanel((Panel) next);
        labelsChanged(next);
    }

    int background() {
        Frame f = frame();
        return f == null ? 0xffffff : f.background();
    }

    synchronized void lock() {
        ++lockCount;
    }

    void unlock(boolean forced) {
        boolean present;
        synchronized (this) {
            lockCount = forced ? 0 : Math.max(0, lockCount - 1);
            present = lockCount == 0;
        }
        if (present)
            present();
    }

    // Called after each drawing operation.
    void drawn() {
        boolean present;
        synchronized (this) {
            present = lockCount == 0;
        }
        if (present)
            present();
    }

    void present() {
        synchronized (this) {
            shown.setData(screen.getData());
        }
        if (window != null)
            window.screenChanged();
        if (firstPresent.getCount() > 0) {
            writeScreenshot();
            firstPresent.countDown();
        }
    }

    synchronized BufferedImage shownCopy() {
        BufferedImage copy = new BufferedImage(WIDTH, HEIGHT, BufferedImage.TYPE_INT_RGB);
        copy.setData(shown.getData());
        return copy;
    }

    private void writeScreenshot() {
        if (screenshot == null)
            return;
        try {
            ImageIO.write(shownCopy(), "png", screenshot);
        } catch (IOException e) {
            System.out.println("Tester: 画面を " + screenshot + " に書けません: " + e.getMessage());
        }
    }

    // Painting --------------------------------------------------------------

    void requestPaint(final Canvas canvas) {
        synchronized (this) {
            if (frame != canvas || paintPending)
                return;
            paintPending = true;
        }
        EventThread.post(new Runnable() {
            public void run() {
                synchronized (Handset.this) {
                    paintPending = false;
                    if (frame != canvas)
                        return;
                }
                Graphics g = canvas.getGraphics();
                g.lock();
                canvas.paint(g);
                g.unlock(true);
            }
        });
    }

    void requestPanel(final Panel panel) {
        EventThread.post(new Runnable() {
            public void run() {
                if (frame() == panel) {
                    PanelView.paint(panel, screen, Handset.this);
                    present();
                }
            }
        });
    }

    void labelsChanged(Frame f) {
        if (window != null && f == frame())
            window.labelsChanged();
    }

    // Keys ------------------------------------------------------------------

    int keypadState() {
        return keypad;
    }

    /** A key of the handset went down or up; code is one of Display's KEY_ values. */
    void key(final boolean pressed, final int code) {
        int bit = 1 << code;
        if (pressed && (keypad & bit) != 0)
            return;  // the desktop's key repeat
        keypad = pressed ? keypad | bit : keypad & ~bit;
        EventThread.post(new Runnable() {
            public void run() {
                Frame f = frame();
                if (f instanceof Canvas)
                    ((Canvas) f).processEvent(pressed ? Display.KEY_PRESSED_EVENT : Display.KEY_RELEASED_EVENT, code);
                else if (f instanceof Panel && pressed)
                    PanelView.key((Panel) f, code, Handset.this);
            }
        });
    }

    void timerExpired(Canvas canvas, int id) {
        if (frame() == canvas)
            canvas.processEvent(Display.TIMER_EXPIRED_EVENT, id);
    }
}
