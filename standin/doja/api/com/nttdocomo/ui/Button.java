package com.nttdocomo.ui;

//#if DoJa-3.0
import com.nttdocomo.lang.XString;
//#endif

public final class Button extends Component implements Interactable {
    public Button() {
    }

    public Button(String label) {
    }

    //#if DoJa-3.0
    public Button(XString xLabel) {
    }
    //#endif

    public void setLabel(String label) {
    }

    public void requestFocus() {
    }

    public void setEnabled(boolean flag) {
    }

    //#if DoJa-3.0
    public void setLabel(XString xLabel) {
    }
    //#endif
}
