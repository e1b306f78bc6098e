package com.nttdocomo.ui;

/** A line of text on a panel. */
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
        this(text, CENTER);
    }

    public Label(String text, int alignment) {
        this.text = text == null ? "" : text;
        setAlignment(alignment);
    }

    public void setText(String text) {
        this.text = text == null ? "" : text;
        changed();
    }

    public void setAlignment(int alignment) {
        if (alignment < LEFT || alignment > RIGHT)
            throw new IllegalArgumentException("alignment");
        this.alignment = alignment;
        changed();
    }

    String text() {
        return text;
    }

    int alignment() {
        return alignment;
    }
}
