package com.nttdocomo.ui;

import com.nttdocomo.lang.XString;
import com.nttdocomo.lang.XStrings;

import java.awt.Color;
import java.awt.Dimension;
import java.awt.Graphics2D;

/** A link as a page shows one: a picture and underlined text; SELECT tells BUTTON_PRESSED. */
public final class AnchorButton extends Component implements Interactable {
    private Image image;
    private String text;
    private boolean enabled = true;

    public AnchorButton() {
        this((Image) null, "");
    }

    public AnchorButton(Image image) {
        this(image, "");
    }

    public AnchorButton(String text) {
        this((Image) null, text);
    }

    public AnchorButton(Image image, String text) {
        this.image = image;
        this.text = text == null ? "" : text;
    }

    public AnchorButton(XString xText) {
        this((Image) null, XStrings.text(xText));
    }

    public AnchorButton(Image image, XString xText) {
        this(image, XStrings.text(xText));
    }

    public void setImage(Image image) {
        this.image = image;
        changed();
    }

    public void setText(String text) {
        this.text = text == null ? "" : text;
        changed();
    }

    public void setText(XString xText) {
        setText(XStrings.text(xText));
    }

    public void setEnabled(boolean b) {
        enabled = b;
        changed();
    }

    public void requestFocus() {
        takeFocus();
    }

    private int imageWidth() {
        return image == null ? 0 : image.getWidth() + Look.GAP;
    }

    Dimension preferredSize(int available) {
        int height = Math.max(font().getHeight() + 1, image == null ? 0 : image.getHeight());
        return new Dimension(Math.min(available, imageWidth() + font().stringWidth(text)), height);
    }

    void paint(Graphics2D g, boolean focused) {
        Look.fill(g, focused ? Look.FOCUS : background(), 0, 0, getWidth(), getHeight());
        if (image != null)
            image.drawOn(g, 0, 0);
        int colour = !enabled ? Look.DISABLED_TEXT : foreground() == Look.TEXT ? Look.LINK : foreground();
        int top = (getHeight() - font().getHeight()) / 2;
        Look.text(g, font(), colour, text, imageWidth(), top);
        int underline = top + font().getAscent() + 1;
        g.setColor(new Color(colour));
        g.drawLine(imageWidth(), underline, imageWidth() + font().stringWidth(text) - 1, underline);
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
