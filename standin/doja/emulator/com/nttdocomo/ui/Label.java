package com.nttdocomo.ui;

import com.nttdocomo.lang.XString;
import com.nttdocomo.lang.XStrings;

import java.awt.Dimension;
import java.awt.Graphics2D;
import java.util.List;

/** Text on a panel, broken into lines where the panel is too narrow. */
public final class Label extends Component {
    public static final int LEFT = 0;
    public static final int CENTER = 1;
    public static final int RIGHT = 2;

    private String text;
    private int alignment;

    public Label() {
        this("");
    }

    public Label(String text) {
        this(text, LEFT);
    }

    public Label(String text, int alignment) {
        this.text = text == null ? "" : text;
        setAlignment(alignment);
    }

    public Label(XString xText) {
        this(XStrings.text(xText));
    }

    public Label(XString xText, int alignment) {
        this(XStrings.text(xText), alignment);
    }

    public void setText(String text) {
        this.text = text == null ? "" : text;
        changed();
    }

    public void setText(XString xText) {
        setText(XStrings.text(xText));
    }

    public void setAlignment(int alignment) {
        if (alignment < LEFT || alignment > RIGHT)
            throw new IllegalArgumentException("alignment");
        this.alignment = alignment;
        changed();
    }

    Dimension preferredSize(int available) {
        List<String> lines = Text.lines(text, font(), available);
        return new Dimension(Math.min(available, Text.widest(lines, font().metrics())), lines.size() * font().getHeight());
    }

    void paint(Graphics2D g, boolean focused) {
        Look.fill(g, background(), 0, 0, getWidth(), getHeight());
        int top = 0;
        for (String line : Text.lines(text, font(), getWidth())) {
            int free = getWidth() - font().stringWidth(line);
            int left = alignment == CENTER ? free / 2 : alignment == RIGHT ? free : 0;
            Look.text(g, font(), foreground(), line, left, top);
            top += font().getHeight();
        }
    }
}
