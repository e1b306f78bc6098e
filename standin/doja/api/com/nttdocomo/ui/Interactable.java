package com.nttdocomo.ui;

public interface Interactable {
    void setEnabled(boolean b);

    void requestFocus();
}
