package com.nttdocomo.ui;

import java.awt.EventQueue;
import javax.swing.JOptionPane;

/** A frame that the application draws itself and that hears the keys and its timers. */
public abstract class Canvas extends Frame {
    public static final int IME_CANCELED = 1;
    public static final int IME_COMMITTED = 0;

    public Canvas() {
    }

    public Graphics getGraphics() {
        Handset handset = Handset.current();
        return new Graphics(handset.screen(), handset);
    }

    public abstract void paint(Graphics g);

    public void repaint() {
        Handset.current().requestPaint(this);
    }

    public void repaint(int x, int y, int width, int height) {
        repaint();
    }

    public void processEvent(int type, int param) {
    }

    public int getKeypadState() {
        return Handset.current().keypadState();
    }

    /** The keys of group 0 are those of getKeypadState(); the emulator has no others. */
    public int getKeypadState(int group) {
        return group == 0 ? getKeypadState() : 0;
    }

    public void imeOn(String text, int displayMode, int inputMode) {
        imeOn(text, displayMode, inputMode, TextBox.INPUTSIZE_UNLIMITED);
    }

    /**
     * Asks for text in a window of the desktop; the answer reaches
     * processIMEEvent as its own event. Without a window the input is cancelled.
     */
    public void imeOn(String text, int displayMode, int inputMode, int inputSize) {
        Handset handset = Handset.current();
        String initial = text == null ? "" : text;
        if (!handset.hasWindow()) {
            com.nttdocomo.dojaemu.EventThread.post(() -> processIMEEvent(IME_CANCELED, initial));
            return;
        }
        EventQueue.invokeLater(() -> {
            String typed = JOptionPane.showInputDialog(handset.window().frame(), null, initial);
            String kept = typed != null && inputSize >= 0 && typed.length() > inputSize ? typed.substring(0, inputSize) : typed;
            com.nttdocomo.dojaemu.EventThread.post(() -> processIMEEvent(kept == null ? IME_CANCELED : IME_COMMITTED,
                                                                         kept == null ? initial : kept));
        });
    }

    public void processIMEEvent(int type, String text) {
    }
}
