package com.nttdocomo.ui;

public final class Label extends Component {
    public static final int LEFT = 0;
    public static final int CENTER = 1;
    public static final int RIGHT = 2;

    public Label() {
    }

    public Label(String text) {
    }

    public Label(String text, int alignment) {
    }

    public void setText(String text) {
    }

    public void setAlignment(int alignment) {
    }
}
