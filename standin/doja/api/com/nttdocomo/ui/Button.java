package com.nttdocomo.ui;

public final class Button extends Component implements Interactable {
    public Button() {
    }

    public Button(String label) {
    }

    public void setLabel(String label) {
    }

    public void setEnabled(boolean b) {
    }

    public void requestFocus() {
    }
}
