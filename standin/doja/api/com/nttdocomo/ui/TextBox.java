package com.nttdocomo.ui;

//#if DoJa-3.0
import com.nttdocomo.lang.XString;
//#endif

public final class TextBox extends Component implements Interactable {
    public static final int NUMBER = 0;
    public static final int ALPHA = 1;
    public static final int KANA = 2;
    public static final int TRADITIONAL_HANZI = 3;
    public static final int SIMPLIFIED_HANZI = 4;
    public static final int DISPLAY_ANY = 0;
    public static final int DISPLAY_PASSWORD = 1;
    //#if DoJa-4.1
    // The listings give no values for these: ours, distinct within each group.
    public static final int INPUTSIZE_UNLIMITED = -1;
    //#endif

    public TextBox(String text, int columns, int rows, int mode) {
    }

    //#if DoJa-3.0
    public TextBox(XString xText, int columns, int rows, int mode) {
    }
    //#endif

    public void setEnabled(boolean b) {
    }

    public void requestFocus() {
    }

    public void setText(String text) {
    }

    public String getText() {
        return null;
    }

    public void setInputMode(int mode) {
    }

    public void setEditable(boolean b) {
    }

    //#if DoJa-3.0
    public XString getXText() {
        return null;
    }

    public void setText(XString xText) {
    }
    //#endif

    //#if DoJa-4.1
    public void setInputSize(int inputSize) {
    }
    //#endif
}
