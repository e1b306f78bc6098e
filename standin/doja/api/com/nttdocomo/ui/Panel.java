package com.nttdocomo.ui;

public class Panel extends Frame {
    public Panel() {
    }

    public void setTitle(String title) {
    }

    public void setBackground(int color) {
    }

    public void add(Component comp) {
    }

    public void setComponentListener(ComponentListener listener) {
    }

    public void setSoftKeyListener(SoftKeyListener listener) {
    }

    public void setKeyListener(KeyListener listener) {
    }

    public void setFocusManager(FocusManager fm) {
    }

    public FocusManager getFocusManager() {
        return null;
    }

    public void setLayoutManager(LayoutManager lm) {
    }

    //#if DoJa-5.0
    public void setSoftLabelVisible(boolean b) {
    }
    //#endif
}
