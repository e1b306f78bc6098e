package com.nttdocomo.ui;

import java.util.concurrent.CountDownLatch;

/**
 * A message or a question over the current frame. show() waits for the
 * answer: LEFT and RIGHT move between the buttons and SELECT presses one;
 * the soft keys press the first and the last button.
 */
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
    private Font font;
    private int focus;
    private volatile int answer;
    private CountDownLatch answered;

    public Dialog(int type, String title) {
        if (type < DIALOG_INFO || type > DIALOG_YESNOCANCEL)
            throw new IllegalArgumentException("ダイアログの種類 " + type + " はありません");
        this.type = type;
        this.title = title == null ? "" : title;
    }

    public void setBackground(int color) {
        super.setBackground(color);
    }

    public void setText(String msg) {
        text = msg == null ? "" : msg;
        changed();
    }

    public void setFont(Font f) {
        font = f;
        changed();
    }

    public void setSoftLabel(int key, String label) {
        super.setSoftLabel(key, label);
    }

    public void setSoftLabelVisible(boolean b) {
        super.setSoftLabelVisible(b);
    }

    public int show() throws UIException {
        return Handset.current().ask(this);
    }

    // For the handset and the view ------------------------------------------------

    int type() {
        return type;
    }

    String title() {
        return title;
    }

    String text() {
        return text;
    }

    Font font() {
        return font != null ? font : Font.getDefaultFont();
    }

    int[] buttons() {
        if (type == DIALOG_YESNO)
            return new int[] {BUTTON_YES, BUTTON_NO};
        if (type == DIALOG_YESNOCANCEL)
            return new int[] {BUTTON_YES, BUTTON_NO, BUTTON_CANCEL};
        return new int[] {BUTTON_OK};
    }

    int focus() {
        return focus;
    }

    synchronized void open() {
        focus = 0;
        answer = 0;
        answered = new CountDownLatch(1);
    }

    boolean isAnswered() {
        return answer != 0;
    }

    int awaitAnswer() throws InterruptedException {
        answered.await();
        return answer;
    }

    int answer() {
        return answer;
    }

    void key(int code) {
        int[] buttons = buttons();
        if (code == Display.KEY_LEFT || code == Display.KEY_RIGHT) {
            focus = (focus + (code == Display.KEY_RIGHT ? 1 : buttons.length - 1)) % buttons.length;
            changed();
        } else if (code == Display.KEY_SELECT) {
            press(buttons[focus]);
        } else if (code == Display.KEY_SOFT1) {
            press(buttons[0]);
        } else if (code == Display.KEY_SOFT2) {
            press(buttons[buttons.length - 1]);
        }
    }

    private void press(int button) {
        answer = button;
        answered.countDown();
    }

    void changed() {
        Handset.current().dialogChanged(this);
    }
}
