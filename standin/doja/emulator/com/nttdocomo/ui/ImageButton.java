package com.nttdocomo.ui;

import java.awt.Dimension;
import java.awt.Graphics2D;

/** A picture that acts as a button: SELECT tells the panel's listener BUTTON_PRESSED. */
public final class ImageButton extends Component implements Interactable {
    private Image image;
    private boolean enabled = true;

    public ImageButton() {
    }

    public ImageButton(Image image) {
        this.image = image;
    }

    public void setImage(Image image) {
        this.image = image;
        changed();
    }

    public void setEnabled(boolean b) {
        enabled = b;
        changed();
    }

    public void requestFocus() {
        takeFocus();
    }

    Dimension preferredSize(int available) {
        int inner = 2 * Look.GAP;
        return image == null ? new Dimension(inner, inner) : new Dimension(image.getWidth() + inner, image.getHeight() + inner);
    }

    void paint(Graphics2D g, boolean focused) {
        Look.fill(g, focused ? Look.FOCUS : background(), 0, 0, getWidth(), getHeight());
        if (image != null)
            image.drawOn(g, Look.GAP, Look.GAP);
        if (focused)
            Look.frame(g, 0, 0, getWidth(), getHeight());
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
