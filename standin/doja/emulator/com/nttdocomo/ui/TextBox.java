package com.nttdocomo.ui;

import com.nttdocomo.lang.XString;
import com.nttdocomo.lang.XStrings;

import java.awt.Dimension;
import java.awt.EventQueue;
import java.awt.Graphics2D;
import java.util.List;
import javax.swing.JOptionPane;

/**
 * A text field on a panel. SELECT on it asks for the new text in a window of
 * the desktop, where any input method can type it; without a window it
 * cannot be edited.
 */
public final class TextBox extends Component implements Interactable {
    public static final int NUMBER = 0;
    public static final int ALPHA = 1;
    public static final int KANA = 2;
    public static final int TRADITIONAL_HANZI = 3;
    public static final int SIMPLIFIED_HANZI = 4;
    public static final int DISPLAY_ANY = 0;
    public static final int DISPLAY_PASSWORD = 1;
    public static final int INPUTSIZE_UNLIMITED = -1;

    private String text;
    private final int columns;
    private final int rows;
    private final int displayMode;
    private boolean editable = true;
    private boolean enabled = true;
    private int inputSize = INPUTSIZE_UNLIMITED;

    public TextBox(String text, int columns, int rows, int mode) {
        if (columns < 0 || rows < 0)
            throw new IllegalArgumentException("columns, rows");
        if (mode != DISPLAY_ANY && mode != DISPLAY_PASSWORD)
            throw new IllegalArgumentException("mode");
        this.text = text == null ? "" : text;
        this.columns = columns;
        this.rows = rows;
        this.displayMode = mode;
    }

    public TextBox(XString xText, int columns, int rows, int mode) {
        this(XStrings.text(xText), columns, rows, mode);
    }

    public String getText() {
        return text;
    }

    public XString getXText() {
        return XStrings.of(text);
    }

    public void setText(String text) {
        this.text = text == null ? "" : text;
        changed();
    }

    public void setText(XString xText) {
        setText(XStrings.text(xText));
    }

    public void setEditable(boolean b) {
        editable = b;
    }

    public void setInputMode(int mode) {
        if (mode < NUMBER || mode > SIMPLIFIED_HANZI)
            throw new IllegalArgumentException("mode");
    }

    public void setInputSize(int inputSize) {
        if (inputSize < 0 && inputSize != INPUTSIZE_UNLIMITED)
            throw new IllegalArgumentException("inputSize");
        this.inputSize = inputSize;
    }

    public void setEnabled(boolean b) {
        enabled = b;
        changed();
    }

    public void requestFocus() {
        takeFocus();
    }

    private String shown() {
        if (displayMode != DISPLAY_PASSWORD)
            return text;
        StringBuilder hidden = new StringBuilder();
        for (int i = 0; i < text.length(); ++i)
            hidden.append('*');
        return hidden.toString();
    }

    private int shownRows() {
        return Math.max(1, rows);
    }

    Dimension preferredSize(int available) {
        int width = Math.max(1, columns) * font().stringWidth("0") + 2 * Look.PADDING;
        return new Dimension(Math.min(available, width), shownRows() * font().getHeight() + 2 * Look.PADDING);
    }

    void paint(Graphics2D g, boolean focused) {
        int fill = focused ? Look.FOCUS : background() == Look.TRANSPARENT ? Look.FIELD : background();
        Look.fill(g, fill, 0, 0, getWidth(), getHeight());
        Look.frame(g, 0, 0, getWidth(), getHeight());
        List<String> lines = Text.lines(shown(), font(), getWidth() - 2 * Look.PADDING);
        int colour = enabled ? foreground() : Look.DISABLED_TEXT;
        for (int i = 0; i < Math.min(lines.size(), shownRows()); ++i)
            Look.text(g, font(), colour, lines.get(i), Look.PADDING, Look.PADDING + i * font().getHeight());
    }

    boolean focusable() {
        return enabled && visible();
    }

    boolean key(int code) {
        if (code != Display.KEY_SELECT)
            return false;
        Handset handset = Handset.current();
        if (!editable || !handset.hasWindow())
            return true;
        final String[] typed = new String[1];
        try {
            EventQueue.invokeAndWait(() -> typed[0] = JOptionPane.showInputDialog(handset.window().frame(), null, text));
        } catch (InterruptedException | java.lang.reflect.InvocationTargetException e) {
            return true;
        }
        if (typed[0] != null && !typed[0].equals(text)) {
            text = inputSize >= 0 && typed[0].length() > inputSize ? typed[0].substring(0, inputSize) : typed[0];
            changed();
            notifyListener(ComponentListener.TEXT_CHANGED, 0);
        }
        return true;
    }
}
