package com.nttdocomo.ui;

import com.nttdocomo.lang.XString;
import com.nttdocomo.lang.XStrings;

import java.awt.Dimension;
import java.awt.Graphics2D;

/** A line of text that runs from right to left across the panel, over and over. */
public final class Ticker extends Component {
    private static final int BACKGROUND = 0xe8e8ff;

    private String text;
    private int offset;

    public Ticker() {
        this("");
    }

    public Ticker(String text) {
        this.text = text == null ? "" : text;
    }

    public Ticker(XString xText) {
        this(XStrings.text(xText));
    }

    public void setText(String text) {
        this.text = text == null ? "" : text;
        offset = 0;
        changed();
    }

    public void setText(XString xText) {
        setText(XStrings.text(xText));
    }

    /** Moves the text on; true when that changes what is shown. */
    boolean advance(int pixels) {
        if (text.isEmpty() || !visible())
            return false;
        offset += pixels;
        if (offset > getWidth() + font().stringWidth(text))
            offset = 0;
        return true;
    }

    Dimension preferredSize(int available) {
        return new Dimension(available, font().getHeight() + 2);
    }

    void paint(Graphics2D g, boolean focused) {
        Look.fill(g, background() == Look.TRANSPARENT ? BACKGROUND : background(), 0, 0, getWidth(), getHeight());
        Look.text(g, font(), foreground(), text, getWidth() - offset, 1);
    }
}
