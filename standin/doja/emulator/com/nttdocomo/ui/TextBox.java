package com.nttdocomo.ui;

import java.awt.EventQueue;
import javax.swing.JOptionPane;

/** A text field on a panel; SELECT on it asks for the new text in a window of its own. */
public final class TextBox extends Component implements Interactable {
    public static final int NUMBER = 0;
    public static final int ALPHA = 1;
    public static final int KANA = 2;
    public static final int DISPLAY_ANY = 0;
    public static final int DISPLAY_PASSWORD = 1;

    private String text;
    private final int displayMode;
    private boolean editable = true;
    private boolean enabled = true;

    public TextBox(String text, int columns, int rows, int mode) {
        if (columns < 0 || rows < 0)
            throw new IllegalArgumentException("columns, rows");
        if (mode != DISPLAY_ANY && mode != DISPLAY_PASSWORD)
            throw new IllegalArgumentException("mode");
        this.text = text == null ? "" : text;
        this.displayMode = mode;
    }

    public String getText() {
        return text;
    }

    public void setText(String text) {
        this.text = text == null ? "" : text;
        changed();
    }

    public void setEditable(boolean b) {
        editable = b;
    }

    public void setInputMode(int mode) {
        if (mode < NUMBER || mode > KANA)
            throw new IllegalArgumentException("mode");
    }

    public void setEnabled(boolean b) {
        enabled = b;
        changed();
    }

    public void requestFocus() {
        if (panel != null)
            panel.focus(this);
    }

    String text() {
        if (displayMode != DISPLAY_PASSWORD)
            return text;
        StringBuffer hidden = new StringBuffer();
        for (int i = 0; i < text.length(); ++i)
            hidden.append('*');
        return hidden.toString();
    }

    boolean focusable() {
        return enabled && visible();
    }

    void selected() {
        Handset handset = Handset.current();
        if (!editable || !handset.hasWindow())
            return;
        final String[] typed = new String[1];
        try {
            EventQueue.invokeAndWait(() -> typed[0] = JOptionPane.showInputDialog(handset.window().frame(), null, text));
        } catch (InterruptedException | java.lang.reflect.InvocationTargetException e) {
            return;
        }
        if (typed[0] != null) {
            text = typed[0];
            changed();
            panel.notify(this, ComponentListener.TEXT_CHANGED);
        }
    }
}
