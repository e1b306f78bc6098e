package com.nttdocomo.ui;

import com.nttdocomo.lang.XString;
import com.nttdocomo.lang.XStrings;

import java.awt.Dimension;
import java.awt.Graphics2D;

/** A button on a panel; SELECT on it tells the panel's listener BUTTON_PRESSED. */
public final class Button extends Component implements Interactable {
    private String label;
    private boolean enabled = true;

    public Button() {
        this("");
    }

    public Button(String label) {
        this.label = label == null ? "" : label;
    }

    public Button(XString xLabel) {
        this(XStrings.text(xLabel));
    }

    public void setLabel(String label) {
        this.label = label == null ? "" : label;
        changed();
    }

    public void setLabel(XString xLabel) {
        setLabel(XStrings.text(xLabel));
    }

    public void setEnabled(boolean b) {
        enabled = b;
        changed();
    }

    public void requestFocus() {
        takeFocus();
    }

    Dimension preferredSize(int available) {
        return new Dimension(Math.min(available, font().stringWidth(label) + 2 * Look.PADDING + 2),
                             font().getHeight() + 2 * Look.PADDING);
    }

    void paint(Graphics2D g, boolean focused) {
        int fill = focused ? Look.FOCUS : background() == Look.TRANSPARENT ? Look.BUTTON : background();
        Look.fill(g, fill, 0, 0, getWidth(), getHeight());
        Look.frame(g, 0, 0, getWidth(), getHeight());
        int left = Math.max(Look.PADDING, (getWidth() - font().stringWidth(label)) / 2);
        Look.text(g, font(), enabled ? foreground() : Look.DISABLED_TEXT, label, left, Look.PADDING);
    }

    boolean focusable() {
        return enabled && visible();
    }

    boolean key(int code) {
        if (code != Display.KEY_SELECT)
            return false;
        notifyListener(ComponentListener.BUTTON_PRESSED, 0);
        return true;
    }
}
