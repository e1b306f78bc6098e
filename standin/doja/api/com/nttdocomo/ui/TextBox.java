package com.nttdocomo.ui;

public final class TextBox extends Component implements Interactable {
    public static final int NUMBER = 0;
    public static final int ALPHA = 1;
    public static final int KANA = 2;
    public static final int DISPLAY_ANY = 0;
    public static final int DISPLAY_PASSWORD = 1;

    public TextBox(String text, int columns, int rows, int mode) {
    }

    public String getText() {
        return null;
    }

    public void setText(String text) {
    }

    public void setEditable(boolean b) {
    }

    public void setInputMode(int mode) {
    }

    public void setEnabled(boolean b) {
    }

    public void requestFocus() {
    }
}
