package com.nttdocomo.ui;

import com.nttdocomo.dojaemu.EventThread;

import java.awt.Graphics2D;
import java.awt.image.BufferedImage;
import java.io.File;
import java.io.IOException;
import java.util.concurrent.CountDownLatch;
import java.util.concurrent.TimeUnit;
import java.util.concurrent.atomic.AtomicInteger;
import javax.imageio.ImageIO;

/**
 * The emulated handset: one screen that the current frame is drawn on, the
 * keypad, and the window that shows them when there is a display. Drawing
 * goes to the screen; what is drawn becomes visible when it is presented:
 * at once outside lock(), at the last unlock() inside.
 */
public final class Handset {
    private static final long SETTLE_MILLIS = 5000;
    private static final int TICKER_MILLIS = 100;

    private static Handset current;

    private final int width;
    private final int height;
    private final BufferedImage screen;
    private final BufferedImage shown;
    private final String[] args;
    private final CountDownLatch firstPresent = new CountDownLatch(1);
    private final CountDownLatch ready = new CountDownLatch(1);
    private final AtomicInteger pendingPaints = new AtomicInteger();
    private HandsetWindow window;
    private Frame frame;
    private Dialog dialog;
    private int lockCount;
    private boolean paintPending;
    private boolean panelPending;
    private boolean tickerClock;
    private int keypad;  // the keys down, by their bits
    private int tapped;  // the keys pressed since the last poll

    private Handset(String[] args, int width, int height) {
        this.args = args;
        this.width = width;
        this.height = height;
        screen = new BufferedImage(width, height, BufferedImage.TYPE_INT_RGB);
        shown = new BufferedImage(width, height, BufferedImage.TYPE_INT_RGB);
        Graphics2D g = screen.createGraphics();
        g.setColor(java.awt.Color.WHITE);
        g.fillRect(0, 0, width, height);
        g.dispose();
        shown.setData(screen.getData());
    }

    public static synchronized Handset create(String[] args, int width, int height) {
        current = new Handset(args, width, height);
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

    static Handset current() {
        return current;
    }

    int width() {
        return width;
    }

    int height() {
        return height;
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

    // The run as the driver sees it -------------------------------------------

    /** start() has returned, or the application waits for the user. */
    public void markReady() {
        ready.countDown();
    }

    public boolean awaitReady(long seconds) throws InterruptedException {
        return ready.await(seconds, TimeUnit.SECONDS);
    }

    /** Waits for the first screen to be presented; false when none came in time. */
    public boolean awaitFirstScreen(long seconds) throws InterruptedException {
        return firstPresent.await(seconds, TimeUnit.SECONDS);
    }

    /**
     * Waits until the events posted so far have run and the paints they
     * asked for are done, as far as a busy application lets that happen.
     */
    public void settle() throws InterruptedException {
        for (int round = 0; round < 50; ++round) {
            if (!EventThread.call(() -> { }, SETTLE_MILLIS) || pendingPaints.get() == 0)
                return;
        }
    }

    /** Presses and releases each key in turn, as the user would. */
    public void pressKeys(int[] codes) throws InterruptedException {
        for (int code : codes) {
            key(true, code);
            settle();
            key(false, code);
            settle();
        }
    }

    public void writeScreenshot(File file) throws IOException {
        ImageIO.write(shownCopy(), "png", file);
    }

    // The screen ------------------------------------------------------------

    BufferedImage screen() {
        return screen;
    }

    synchronized Frame frame() {
        return frame;
    }

    // The frame whose soft-key labels the window shows.
    synchronized Frame labelledFrame() {
        return dialog != null ? dialog : frame;
    }

    void show(Frame next) {
        if (next instanceof Dialog)
            throw new IllegalArgumentException("Dialog は Display.setCurrent() に渡せません");
        synchronized (this) {
            frame = next;
        }
        if (next instanceof Panel)
            startTickerClock();
        refresh(next);
        labelsChanged(next);
    }

    void refresh(Frame f) {
        if (f instanceof Canvas)
            requestPaint((Canvas) f);
        else if (f instanceof Panel)
            requestPanel((Panel) f);
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
        firstPresent.countDown();
    }

    synchronized BufferedImage shownCopy() {
        BufferedImage copy = new BufferedImage(width, height, BufferedImage.TYPE_INT_RGB);
        copy.setData(shown.getData());
        return copy;
    }

    // Painting --------------------------------------------------------------

    void requestPaint(final Canvas canvas) {
        synchronized (this) {
            if (frame != canvas || paintPending)
                return;
            paintPending = true;
        }
        pendingPaints.incrementAndGet();
        EventThread.post(() -> {
            try {
                synchronized (Handset.this) {
                    paintPending = false;
                    if (frame != canvas || dialog != null)
                        return;
                }
                Graphics g = canvas.getGraphics();
                g.lock();
                canvas.paint(g);
                g.unlock(true);
            } finally {
                pendingPaints.decrementAndGet();
            }
        });
    }

    void requestPanel(final Panel panel) {
        synchronized (this) {
            if (frame != panel || panelPending)
                return;
            panelPending = true;
        }
        pendingPaints.incrementAndGet();
        EventThread.post(() -> {
            try {
                synchronized (Handset.this) {
                    panelPending = false;
                }
                paintPanel(panel);
            } finally {
                pendingPaints.decrementAndGet();
            }
        });
    }

    private void paintPanel(Panel panel) {
        synchronized (this) {
            if (frame != panel || dialog != null)
                return;
            PanelView.paint(panel, screen);
        }
        present();
    }

    // Tickers run while a panel is on the screen.
    private synchronized void startTickerClock() {
        if (tickerClock)
            return;
        tickerClock = true;
        EventThread.schedule(() -> {
            Frame f = frame();
            if (f instanceof Panel && ((Panel) f).advanceTickers())
                paintPanel((Panel) f);
        }, TICKER_MILLIS, true);
    }

    // Dialogs ---------------------------------------------------------------

    /** Shows the dialog over the current frame until it is answered; the button pressed. */
    int ask(Dialog asked) {
        synchronized (this) {
            if (dialog != null)
                throw new UIException(UIException.BUSY_RESOURCE, "ほかのダイアログが表示されています");
            dialog = asked;
        }
        asked.open();
        dialogChanged(asked);
        labelsChanged(asked);
        markReady();
        try {
            if (EventThread.isCurrent())
                EventThread.pumpUntil(asked::isAnswered);
            else
                asked.awaitAnswer();
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
        } finally {
            synchronized (this) {
                dialog = null;
            }
        }
        Frame under = frame();
        refresh(under);
        labelsChanged(under);
        return asked.answer();
    }

    void dialogChanged(final Dialog changed) {
        pendingPaints.incrementAndGet();
        EventThread.post(() -> {
            try {
                synchronized (Handset.this) {
                    if (dialog != changed)
                        return;
                    DialogView.paint(changed, screen);
                }
                present();
            } finally {
                pendingPaints.decrementAndGet();
            }
        });
    }

    void labelsChanged(Frame f) {
        if (window != null && f == labelledFrame())
            window.labelsChanged();
    }

    // Keys ------------------------------------------------------------------

    // A key pressed and released since the last poll counts as pressed once,
    // so a game that polls is not blind to a quick tap.
    synchronized int keypadState() {
        int state = keypad | tapped;
        tapped = 0;
        return state;
    }

    /** A key of the handset went down or up; code is one of Display's KEY_ values. */
    void key(final boolean pressed, final int code) {
        int bit = 1 << code;
        synchronized (this) {
            if (pressed && (keypad & bit) != 0)
                return;  // the desktop's key repeat
            keypad = pressed ? keypad | bit : keypad & ~bit;
            if (pressed)
                tapped |= bit;
        }
        EventThread.post(() -> {
            Dialog asking;
            synchronized (Handset.this) {
                asking = dialog;
            }
            Frame f = frame();
            if (asking != null) {
                if (pressed)
                    asking.key(code);
            } else if (f instanceof Canvas) {
                ((Canvas) f).processEvent(pressed ? Display.KEY_PRESSED_EVENT : Display.KEY_RELEASED_EVENT, code);
            } else if (f instanceof Panel) {
                ((Panel) f).key(pressed, code);
            }
        });
    }

    void timerExpired(Canvas canvas, int id) {
        if (frame() == canvas)
            canvas.processEvent(Display.TIMER_EXPIRED_EVENT, id);
    }

    /** Display's KEY_ value of a key's name in a key list ("2", "*", "SELECT", "SOFT1"), or -1. */
    public static int keyCode(String name) {
        if (name.length() == 1 && name.charAt(0) >= '0' && name.charAt(0) <= '9')
            return Display.KEY_0 + name.charAt(0) - '0';
        switch (name) {
        case "*": return Display.KEY_ASTERISK;
        case "#": return Display.KEY_POUND;
        case "LEFT": return Display.KEY_LEFT;
        case "UP": return Display.KEY_UP;
        case "RIGHT": return Display.KEY_RIGHT;
        case "DOWN": return Display.KEY_DOWN;
        case "SELECT": return Display.KEY_SELECT;
        case "SOFT1": return Display.KEY_SOFT1;
        case "SOFT2": return Display.KEY_SOFT2;
        default: return -1;
        }
    }
}
