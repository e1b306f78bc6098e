package com.nttdocomo.ui;

import java.awt.BorderLayout;
import java.awt.Color;
import java.awt.Dimension;
import java.awt.EventQueue;
import java.awt.FontMetrics;
import java.awt.Graphics;
import java.awt.event.KeyAdapter;
import java.awt.event.KeyEvent;
import java.awt.event.WindowAdapter;
import java.awt.event.WindowEvent;
import javax.swing.JComponent;
import javax.swing.JFrame;
import javax.swing.WindowConstants;

import com.nttdocomo.dojaemu.EventThread;

/** The window on the desktop: the handset's screen with the soft-key labels under it. */
final class HandsetWindow extends JComponent {
    static final int LABELS_HEIGHT = 22;

    private final Handset handset;
    private JFrame frame;

    private HandsetWindow(Handset handset) {
        this.handset = handset;
        setPreferredSize(new Dimension(Handset.WIDTH, Handset.HEIGHT + LABELS_HEIGHT));
        setFocusable(true);
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
        });
        frame.getContentPane().add(this, BorderLayout.CENTER);
        frame.setResizable(false);
        frame.pack();
        frame.setLocationRelativeTo(null);
        addKeyListener(new KeyAdapter() {
            public void keyPressed(KeyEvent e) {
                int code = handsetKey(e.getKeyCode());
                if (code >= 0)
                    handset.key(true, code);
            }

            public void keyReleased(KeyEvent e) {
                int code = handsetKey(e.getKeyCode());
                if (code >= 0)
                    handset.key(false, code);
            }
        });
        frame.setVisible(true);
        requestFocusInWindow();
    }

    JFrame frame() {
        return frame;
    }

    // Digits, the arrows, Enter for SELECT, F1 and F2 for the soft keys.
    static int handsetKey(int awtKey) {
        if (awtKey >= KeyEvent.VK_0 && awtKey <= KeyEvent.VK_9)
            return Display.KEY_0 + awtKey - KeyEvent.VK_0;
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
        repaint(0, 0, Handset.WIDTH, Handset.HEIGHT);
    }

    void labelsChanged() {
        repaint(0, Handset.HEIGHT, Handset.WIDTH, LABELS_HEIGHT);
    }

    protected void paintComponent(Graphics g) {
        g.drawImage(handset.shownCopy(), 0, 0, null);
        g.setColor(new Color(0x202020));
        g.fillRect(0, Handset.HEIGHT, Handset.WIDTH, LABELS_HEIGHT);
        Frame current = handset.frame();
        if (current == null)
            return;
        g.setFont(Font.getDefaultFont().awtFont());
        g.setColor(Color.WHITE);
        FontMetrics metrics = g.getFontMetrics();
        int baseline = Handset.HEIGHT + (LABELS_HEIGHT + metrics.getAscent() - metrics.getDescent()) / 2;
        String left = current.softLabel(Frame.SOFT_KEY_1);
        String right = current.softLabel(Frame.SOFT_KEY_2);
        if (left != null)
            g.drawString(left, 6, baseline);
        if (right != null)
            g.drawString(right, Handset.WIDTH - 6 - metrics.stringWidth(right), baseline);
    }
}
