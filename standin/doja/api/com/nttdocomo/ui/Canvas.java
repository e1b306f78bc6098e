package com.nttdocomo.ui;

public abstract class Canvas extends Frame {
    //#if DoJa-3.0
    // The listings give no values for these: ours, distinct within each group.
    public static final int IME_CANCELED = 1;
    public static final int IME_COMMITTED = 0;
    //#endif

    public Canvas() {
    }

    public Graphics getGraphics() {
        return null;
    }

    public int getKeypadState() {
        return 0;
    }

    public abstract void paint(Graphics g);

    public void processEvent(int type, int param) {
    }

    public void repaint() {
    }

    public void repaint(int x, int y, int width, int height) {
    }

    //#if DoJa-3.0
    public int getKeypadState(int group) {
        return 0;
    }

    public void imeOn(String text, int displayMode, int inputMode) {
    }

    public void processIMEEvent(int type, String text) {
    }
    //#endif

    //#if DoJa-4.1
    public void imeOn(String text, int displayMode, int inputMode, int inputSize) {
    }
    //#endif
}
