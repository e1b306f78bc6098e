package com.nttdocomo.ui;

import java.awt.BorderLayout;
import java.awt.Color;
import java.awt.Dimension;
import java.awt.EventQueue;
import java.awt.FontMetrics;
import java.awt.Point;
import java.awt.Graphics;
import java.awt.KeyboardFocusManager;
import java.awt.Window;
import java.awt.event.KeyEvent;
import java.awt.event.WindowAdapter;
import java.awt.event.WindowEvent;
import java.io.File;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.util.HashMap;
import java.util.Map;
import javax.swing.JComponent;
import javax.swing.JFrame;
import javax.swing.SwingUtilities;
import javax.swing.Timer;
import javax.swing.WindowConstants;

import com.nttdocomo.dojaemu.EventThread;

/** The window on the desktop: the handset's screen with the soft-key labels under it. */
final class HandsetWindow extends JComponent {
    static final int LABELS_HEIGHT = 22;

    private final Handset handset;
    // The handset key each desktop key went down as, so that its release
    // matches even when Shift was let go first ("*" is Shift+8 on many layouts).
    private final Map<Integer, Integer> held = new HashMap<>();
    private JFrame frame;
    // The screen is shown at 1x, 2x or 3x (Ctrl+1, 2, 3), remembered per user.
    private static final String ZOOM_KEY = "zoom";
    private final java.util.prefs.Preferences preferences = java.util.prefs.Preferences.userRoot().node("quenvel/dojaemu");
    private int zoom;

    private HandsetWindow(Handset handset) {
        this.handset = handset;
        int remembered = preferences.getInt(ZOOM_KEY, 1);
        zoom = remembered >= 1 && remembered <= 3 ? remembered : 1;
        setPreferredSize(new Dimension(handset.width() * zoom, (handset.height() + LABELS_HEIGHT) * zoom));
        setFocusable(true);
    }

    private void setZoom(int next) {
        if (next == zoom)
            return;
        zoom = next;
        setPreferredSize(new Dimension(handset.width() * zoom, (handset.height() + LABELS_HEIGHT) * zoom));
        frame.pack();
        repaint();
        try {
            preferences.putInt(ZOOM_KEY, zoom);
            preferences.flush();
        } catch (java.util.prefs.BackingStoreException | SecurityException e) {
            System.out.println("Tester: 拡大率を保存できません: " + e.getMessage());
        }
    }

    static HandsetWindow open(Handset handset, String title) {
        final HandsetWindow view = new HandsetWindow(handset);
        try {
            EventQueue.invokeAndWait(() -> view.show(title));
        } catch (InterruptedException e) {
            throw new java.awt.AWTError("interrupted");
        } catch (java.lang.reflect.InvocationTargetException e) {
            Throwable cause = e.getCause();
            if (cause instanceof RuntimeException)
                throw (RuntimeException) cause;
            if (cause instanceof Error)
                throw (Error) cause;
            throw new java.awt.AWTError(String.valueOf(cause));
        }
        return view;
    }

    private void show(String title) {
        frame = new JFrame(title);
        frame.setDefaultCloseOperation(WindowConstants.DO_NOTHING_ON_CLOSE);
        frame.addWindowListener(new WindowAdapter() {
            public void windowClosing(WindowEvent e) {
                EventThread.exit(0);
            }

            public void windowOpened(WindowEvent e) {
                requestFocusInWindow();
            }
        });
        frame.getContentPane().add(this, BorderLayout.CENTER);
        frame.setResizable(false);
        frame.pack();
        Point place = placeAsked(System.getProperty("quenvel.emulator.at"));
        if (place != null)
            frame.setLocation(place);
        else
            frame.setLocationRelativeTo(null);
        String front = System.getProperty("quenvel.emulator.front");
        if (front != null)
            watchFrontRequests(new File(front));
        // Every key typed into the window is the handset's, whichever part of
        // the window has the focus, from the moment it opens.
        KeyboardFocusManager.getCurrentKeyboardFocusManager().addKeyEventDispatcher(this::dispatch);
        frame.setAutoRequestFocus(true);
        frame.setVisible(true);
        frame.toFront();
        requestFocusInWindow();
    }

    // "x,y" on the desktop, as the IDE asks to keep its editor free.
    static Point placeAsked(String text) {
        if (text == null)
            return null;
        String[] parts = text.split(",");
        if (parts.length != 2)
            return null;
        try {
            return new Point(Integer.parseInt(parts[0].trim()), Integer.parseInt(parts[1].trim()));
        } catch (NumberFormatException e) {
            return null;
        }
    }

    // The IDE writes new content into the file to bring this window forward.
    private void watchFrontRequests(File file) {
        final String[] seen = {readRequest(file)};
        Timer poll = new Timer(200, e -> {
            String now = readRequest(file);
            if (now.equals(seen[0]))
                return;
            seen[0] = now;
            frame.setExtendedState(frame.getExtendedState() & ~java.awt.Frame.ICONIFIED);
            frame.toFront();
            frame.requestFocus();
            requestFocusInWindow();
        });
        poll.start();
    }

    private static String readRequest(File file) {
        try {
            return new String(Files.readAllBytes(file.toPath()), StandardCharsets.US_ASCII);
        } catch (IOException e) {
            return "";
        }
    }

    private boolean dispatch(KeyEvent e) {
        Window source = e.getComponent() == null ? null : SwingUtilities.getWindowAncestor(e.getComponent());
        if (source != frame && e.getComponent() != frame)
            return false;
        if (e.getID() == KeyEvent.KEY_PRESSED && e.isControlDown() && e.getKeyCode() >= KeyEvent.VK_1 && e.getKeyCode() <= KeyEvent.VK_3) {
            setZoom(e.getKeyCode() - KeyEvent.VK_0);
            return true;
        }
        if (e.getID() == KeyEvent.KEY_PRESSED) {
            int code = handsetKey(e.getKeyCode(), e.getKeyChar());
            if (code >= 0) {
                held.put(e.getKeyCode(), code);
                handset.key(true, code);
            }
        } else if (e.getID() == KeyEvent.KEY_RELEASED) {
            Integer code = held.remove(e.getKeyCode());
            if (code != null)
                handset.key(false, code);
        }
        return true;
    }

    JFrame frame() {
        return frame;
    }

    // Digits, * and # as typed, the arrows, Enter for SELECT, F1 and F2 for the soft keys.
    static int handsetKey(int awtKey, char typed) {
        if (typed >= '0' && typed <= '9')
            return Display.KEY_0 + typed - '0';
        if (typed == '*' || awtKey == KeyEvent.VK_MULTIPLY)
            return Display.KEY_ASTERISK;
        if (typed == '#')
            return Display.KEY_POUND;
        if (awtKey >= KeyEvent.VK_NUMPAD0 && awtKey <= KeyEvent.VK_NUMPAD9)
            return Display.KEY_0 + awtKey - KeyEvent.VK_NUMPAD0;
        switch (awtKey) {
        case KeyEvent.VK_LEFT: return Display.KEY_LEFT;
        case KeyEvent.VK_UP: return Display.KEY_UP;
        case KeyEvent.VK_RIGHT: return Display.KEY_RIGHT;
        case KeyEvent.VK_DOWN: return Display.KEY_DOWN;
        case KeyEvent.VK_ENTER: return Display.KEY_SELECT;
        case KeyEvent.VK_F1: return Display.KEY_SOFT1;
        case KeyEvent.VK_F2: return Display.KEY_SOFT2;
        default: return -1;
        }
    }

    void screenChanged() {
        repaint(0, 0, handset.width() * zoom, handset.height() * zoom);
    }

    void labelsChanged() {
        repaint(0, handset.height() * zoom, handset.width() * zoom, LABELS_HEIGHT * zoom);
    }

    // Whole pixels, no smoothing: each handset pixel becomes a zoom-by-zoom square.
    protected void paintComponent(Graphics screen) {
        java.awt.Graphics2D g = (java.awt.Graphics2D) screen.create();
        try {
            g.scale(zoom, zoom);
            g.setRenderingHint(java.awt.RenderingHints.KEY_INTERPOLATION, java.awt.RenderingHints.VALUE_INTERPOLATION_NEAREST_NEIGHBOR);
            paintHandset(g);
        } finally {
            g.dispose();
        }
    }

    private void paintHandset(Graphics g) {
        int width = handset.width();
        int height = handset.height();
        g.drawImage(handset.shownCopy(), 0, 0, null);
        g.setColor(new Color(0x202020));
        g.fillRect(0, height, width, LABELS_HEIGHT);
        Frame current = handset.labelledFrame();
        if (current == null)
            return;
        g.setFont(Font.getDefaultFont().awtFont());
        g.setColor(Color.WHITE);
        FontMetrics metrics = g.getFontMetrics();
        int baseline = height + (LABELS_HEIGHT + metrics.getAscent() - metrics.getDescent()) / 2;
        String left = current.softLabel(Frame.SOFT_KEY_1);
        String right = current.softLabel(Frame.SOFT_KEY_2);
        if (left != null)
            g.drawString(left, 6, baseline);
        if (right != null)
            g.drawString(right, width - 6 - metrics.stringWidth(right), baseline);
    }
}
