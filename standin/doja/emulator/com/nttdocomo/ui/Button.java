package com.nttdocomo.ui;

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

    public void setLabel(String label) {
        this.label = label == null ? "" : label;
        changed();
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
        return label;
    }

    boolean focusable() {
        return enabled && visible();
    }

    void selected() {
        panel.notify(this, ComponentListener.BUTTON_PRESSED);
    }
}
