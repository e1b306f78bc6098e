package com.nttdocomo.ui;

//#if DoJa-3.0
import com.nttdocomo.lang.XString;
//#endif

public final class Label extends Component {
    public static final int LEFT = 0;
    public static final int CENTER = 1;
    public static final int RIGHT = 2;

    public Label() {
    }

    public Label(String text) {
    }

    public Label(String text, int alignment) {
    }

    //#if DoJa-3.0
    public Label(XString xText) {
    }

    public Label(XString xText, int alignment) {
    }
    //#endif

    public void setText(String text) {
    }

    public void setAlignment(int alignment) {
    }

    //#if DoJa-3.0
    public void setText(XString xText) {
    }
    //#endif
}
