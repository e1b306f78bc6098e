package com.nttdocomo.ui;

public final class Dialog extends Frame {
    public static final int DIALOG_INFO = 0;
    public static final int DIALOG_WARNING = 1;
    public static final int DIALOG_ERROR = 2;
    public static final int DIALOG_YESNO = 3;
    public static final int DIALOG_YESNOCANCEL = 4;
    public static final int BUTTON_OK = 1;
    public static final int BUTTON_CANCEL = 2;
    public static final int BUTTON_YES = 4;
    public static final int BUTTON_NO = 8;

    public Dialog(int type, String title) {
    }

    public void setBackground(int color) {
    }

    public void setText(String msg) {
    }

    public int show() throws UIException {
        return 0;
    }

    public void setSoftLabel(int key, String label) {
    }

    //#if DoJa-3.0
    public void setFont(Font f) {
    }
    //#endif

    //#if DoJa-5.0
    public void setSoftLabelVisible(boolean b) {
    }
    //#endif
}
