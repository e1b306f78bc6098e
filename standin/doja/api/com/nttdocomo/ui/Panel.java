package com.nttdocomo.ui;

public class Panel extends Frame {
    public Panel() {
    }

    public void add(Component c) {
    }

    public void setTitle(String title) {
    }

    public void setComponentListener(ComponentListener listener) {
    }
}
