package com.nttdocomo.ui;

import java.awt.EventQueue;
import javax.swing.JOptionPane;

/** A message or a question; show() waits for the user's answer, in a window of its own. */
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

    private final int type;
    private final String title;
    private String text = "";

    public Dialog(int type, String title) {
        if (type < DIALOG_INFO || type > DIALOG_YESNOCANCEL)
            throw new IllegalArgumentException("ダイアログの種類 " + type + " はありません");
        this.type = type;
        this.title = title == null ? "" : title;
    }

    public void setText(String text) {
        this.text = text == null ? "" : text;
    }

    public int show() {
        // Without a display nobody can answer: the first button is taken.
        if (!Handset.current().hasWindow())
            return type >= DIALOG_YESNO ? BUTTON_YES : BUTTON_OK;
        final int[] answer = new int[1];
        try {
            EventQueue.invokeAndWait(() -> answer[0] = ask());
        } catch (InterruptedException | java.lang.reflect.InvocationTargetException e) {
            return BUTTON_CANCEL;
        }
        return answer[0];
    }

    private int ask() {
        java.awt.Component owner = Handset.current().window().frame();
        if (type == DIALOG_YESNO || type == DIALOG_YESNOCANCEL) {
            int options = type == DIALOG_YESNO ? JOptionPane.YES_NO_OPTION : JOptionPane.YES_NO_CANCEL_OPTION;
            int result = JOptionPane.showConfirmDialog(owner, text, title, options);
            return result == JOptionPane.YES_OPTION ? BUTTON_YES : result == JOptionPane.NO_OPTION ? BUTTON_NO : BUTTON_CANCEL;
        }
        int kind = type == DIALOG_ERROR ? JOptionPane.ERROR_MESSAGE
                 : type == DIALOG_WARNING ? JOptionPane.WARNING_MESSAGE : JOptionPane.INFORMATION_MESSAGE;
        JOptionPane.showMessageDialog(owner, text, title, kind);
        return BUTTON_OK;
    }
}
