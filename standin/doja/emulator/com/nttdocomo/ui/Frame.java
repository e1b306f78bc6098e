package com.nttdocomo.ui;

/** What the screen shows: a canvas, a panel or a dialog, with two soft-key labels. */
public abstract class Frame {
    public static final int SOFT_KEY_1 = 0;
    public static final int SOFT_KEY_2 = 1;

    private int background = Look.PANEL;
    private final String[] softLabels = new String[2];
    private boolean softLabelsVisible = true;

    public Frame() {
    }

    public final int getWidth() {
        return Display.getWidth();
    }

    public final int getHeight() {
        return Display.getHeight();
    }

    public void setBackground(int c) {
        background = c;
        changed();
    }

    public void setSoftLabel(int key, String label) {
        if (key != SOFT_KEY_1 && key != SOFT_KEY_2)
            throw new IllegalArgumentException("ソフトキー " + key + " はありません");
        softLabels[key] = label;
        Handset.current().labelsChanged(this);
    }

    public void setSoftLabelVisible(boolean b) {
        softLabelsVisible = b;
        Handset.current().labelsChanged(this);
    }

    int background() {
        return background;
    }

    String softLabel(int key) {
        return softLabelsVisible ? softLabels[key] : null;
    }

    // Shows the change when the frame is on the screen.
    void changed() {
    }
}
